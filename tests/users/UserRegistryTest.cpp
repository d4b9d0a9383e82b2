#include "UserRegistry.h"
#include "ClaveDigits.h"
#include "Cp1252.h"
#include "FieldReader.h"
#include "GeneralItems.h"
#include "LanguageFiles.h"

#include "AppFolder.h"

#include <gtest/gtest.h>

using Registration = UserRegistry::Registration;
using SignIn = UserRegistry::SignIn;

TEST(ClaveDigits, TheFirstDigitNeverBecomesZeroAndTheOthersWrapThroughIt)
{
    for (int index = 0; index < ClaveDigits::Count; ++index) {
        ClaveDigits clave;
        QString shown;
        for (int click = 0; click < 12; ++click) {
            clave.step(index);
            shown += QString::number(clave.digit(index));
        }
        EXPECT_EQ(shown, index == 0 ? QStringLiteral("123456789123") : QStringLiteral("123456789012")) << index;
    }

    // Typed digits take their place, and the next click steps on from them.
    ClaveDigits clave;
    EXPECT_EQ(clave.text(), QStringLiteral("1000"));
    EXPECT_FALSE(clave.isChosen());
    EXPECT_FALSE(clave.set(0, 0));
    EXPECT_FALSE(clave.set(3, 10));
    EXPECT_FALSE(clave.isChosen());
    EXPECT_TRUE(clave.set(0, 9));
    EXPECT_TRUE(clave.set(1, 0));
    clave.step(0);
    clave.step(1);
    EXPECT_EQ(clave.text(), QStringLiteral("1100"));
    EXPECT_TRUE(clave.isChosen());
}

TEST(UserRegistry, RefusesNamesThatCannotBeFileNames)
{
    for (const QString &safe : {QStringLiteral("Luis"), QStringLiteral("María José"), QStringLiteral("Ñandú 2"),
             QStringLiteral("a.b"), QString(UserRegistry::MaxNameLength, QLatin1Char('x'))}) {
        EXPECT_TRUE(UserRegistry::isSafeName(safe)) << qPrintable(safe);
    }
    for (const QString &unsafe :
        {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral(".oculto"), QStringLiteral("../Luis"),
            QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("a:b"), QStringLiteral("a<b"),
            QStringLiteral("a>b"), QStringLiteral("a\"b"), QStringLiteral("a|b"), QStringLiteral("a?b"),
            QStringLiteral("a*b"), QStringLiteral("tab\tb"), QStringLiteral("line\nb"), QStringLiteral("fin."),
            QStringLiteral("fin "), QStringLiteral("Ω"), QString(UserRegistry::MaxNameLength + 1, QLatin1Char('x'))}) {
        EXPECT_FALSE(UserRegistry::isSafeName(unsafe)) << qPrintable(unsafe);
    }
}

// The refusals and the two files of a plain registration are driven through the sign-in window
// in the scenario tests; these are the cases around the files.
TEST(UserRegistry, RegistersIntoMissingFoldersAndOverALeftoverClave)
{
    AppFolder folder;
    const UserRegistry registry(folder.path());
    EXPECT_TRUE(registry.users().isEmpty());
    EXPECT_EQ(registry.registerUser(QStringLiteral("Begoña"), QStringLiteral("2000"), QStringLiteral(" - h")),
        Registration::Registered);
    EXPECT_EQ(folder.read(QStringLiteral("Usuarios/Begoña")), Cp1252::encode(QStringLiteral("Begoña - h\r\n")));

    // A clave left without its learner is replaced by the new learner's, in the file as stored.
    folder.write(QStringLiteral("Claves/EVAclave"), QStringLiteral("5555"));
    EXPECT_EQ(
        registry.registerUser(QStringLiteral("Eva"), QStringLiteral("1000"), QString()), Registration::Registered);
    EXPECT_EQ(folder.read(QStringLiteral("Claves/EVAclave")), QByteArray("1000"));
    EXPECT_EQ(registry.signIn(QStringLiteral("eva"), QStringLiteral("1000")), SignIn::Accepted);
}

TEST(UserRegistry, SignsInOnlyWithTheStoredClave)
{
    AppFolder folder;
    // A save cut short leaves its unfinished copy beside the history.
    for (const char *history : {"Ana", "Sin", "Roto", ".oculto", "Ana.x9QbZ2", "Eva.x9QbZ2"}) {
        folder.write(QStringLiteral("Usuarios/") + QLatin1String(history), QStringLiteral("historial\n"));
    }
    folder.write(QStringLiteral("Claves/Anaclave"), QStringLiteral("1000\n"));
    folder.makeFolder(QStringLiteral("Claves/Rotoclave"));
    const UserRegistry registry(folder.path());

    EXPECT_EQ(registry.users(),
        (QStringList {
            QStringLiteral("Ana"), QStringLiteral("Eva.x9QbZ2"), QStringLiteral("Roto"), QStringLiteral("Sin")}));
    EXPECT_EQ(registry.signIn(QStringLiteral("aNA"), QStringLiteral("1000")), SignIn::Accepted);
    // Without a readable clave file nobody gets in.
    EXPECT_EQ(registry.signIn(QStringLiteral("Sin"), QStringLiteral("1000")), SignIn::WrongClave);
    EXPECT_EQ(registry.signIn(QStringLiteral("Roto"), QStringLiteral("1000")), SignIn::WrongClave);
    for (const QString &unknown :
        {QString(), QStringLiteral("Eva"), QStringLiteral("../Usuarios/Ana"), QStringLiteral(".oculto")}) {
        EXPECT_EQ(registry.signIn(unknown, QStringLiteral("1000")), SignIn::UnknownUser) << qPrintable(unknown);
    }
}

// An older file without it gives the built-in wording, as the sign-in scenario's file does.
TEST(GeneralItems, TheFilesWordingOfTheUnsafeNameMessageWins)
{
    QStringList items(GeneralItems::UnsafeName);
    items.append(QStringLiteral("Nombre no válido"));
    EXPECT_EQ(GeneralItems::text(items, GeneralItems::UnsafeName), QStringLiteral("Nombre no válido"));
}

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

// The general file's items the windows show are checked through them in the scenario tests.
TEST(LanguageFiles, AreFoundInAnyCaseAndShortOnesArePaddedWithEmptyLines)
{
    AppFolder folder;
    folder.write(QStringLiteral("idiomas/CASTELLANO.TXT"), QStringLiteral("uno\ndos"));
    const auto lines = LanguageFiles::languageLines(folder.path(), QStringLiteral("Castellano"));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->size(), LanguageFiles::LanguageLineCount);
    EXPECT_EQ(lines->at(1), QStringLiteral("dos"));
    EXPECT_TRUE(lines->at(2).isEmpty());
}
