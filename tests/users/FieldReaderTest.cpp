#include "FieldReader.h"
#include "LanguageFiles.h"

#include "AppFolder.h"

#include <gtest/gtest.h>

TEST(FieldReader, ReadsItemsByCommasLinesAndQuotes)
{
    const QString text = QStringLiteral("  uno , dos\r\n\"Clave, numérica\" tras,\r\n\r\n\"abierta\r\nfin");
    EXPECT_EQ(FieldReader::readItems(text, 7),
        (QStringList {QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("Clave, numérica"), QString(),
            QString(), QStringLiteral("abierta"), QStringLiteral("fin")}));
    // The same text without quotes splits in two and shifts what follows.
    EXPECT_EQ(FieldReader::readItems(QStringLiteral("Clave, numérica\nx"), 3),
        (QStringList {QStringLiteral("Clave"), QStringLiteral("numérica"), QStringLiteral("x")}));
    EXPECT_EQ(FieldReader::readItems(QString(), 2), (QStringList {QString(), QString()}));
    EXPECT_EQ(FieldReader::readLines(QStringLiteral("a, \"b\"\r\nc\nd\re"), 6),
        (QStringList {QStringLiteral("a, \"b\""), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e"),
            QString(), QString()}));
}

TEST(LanguageFiles, AreFoundInAnyCaseAndMissingOnesSaySo)
{
    AppFolder folder;
    folder.write(QStringLiteral("idiomas/CASTELLANO.TXT"), QStringLiteral("uno\ndos"));
    const auto lines = LanguageFiles::languageLines(folder.path(), QStringLiteral("Castellano"));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->size(), LanguageFiles::LanguageLineCount);
    EXPECT_EQ(lines->at(1), QStringLiteral("dos"));
    EXPECT_TRUE(lines->at(2).isEmpty());
    EXPECT_FALSE(LanguageFiles::languageLines(folder.path(), QStringLiteral("Galego")).has_value());

    folder.writeLanguageFiles(QStringLiteral("Galego"));
    EXPECT_EQ(LanguageFiles::generalItems(folder.path(), 13, 6),
        (QStringList {QStringLiteral("Salir?"), QStringLiteral("No guardado"), QStringLiteral("Falta idioma"),
            QStringLiteral("Espacio"), QStringLiteral("Intro"), QStringLiteral("Precision")}));
    EXPECT_EQ(LanguageFiles::generalItems(folder.path(), 12, 1), QStringList {QStringLiteral(" - historial")});
}
