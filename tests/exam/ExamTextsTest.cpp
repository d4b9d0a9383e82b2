#include "ExamTexts.h"
#include "AppFolder.h"
#include "Certificate.h"
#include "FileLookup.h"

#include <gtest/gtest.h>

TEST(ExamTexts, AreListedByTheirNumbersWhateverTheFolderCaseAndReadAsADrillTakesThem)
{
    AppFolder folder;
    folder.write(QStringLiteral("examenes/Castellano/10 Diez.txt"), QStringLiteral("diez"));
    folder.write(QStringLiteral("examenes/Castellano/2 Dos títulos.txt"), QStringLiteral("Línea uno\nÉl, dos\n\n"));
    folder.write(QStringLiteral("examenes/Castellano/1 Uno.txt"), QStringLiteral("uno"));
    folder.write(QStringLiteral("examenes/Castellano/Sin número.txt"), QStringLiteral("no"));
    folder.write(QStringLiteral("examenes/Castellano/3 Vacío.txt"), QString());
    folder.makeFolder(QStringLiteral("examenes/Castellano/4 Carpeta.txt"));

    const QList<ExamTexts::Entry> texts = ExamTexts::list(folder.path(), QStringLiteral("Castellano"));
    QStringList names;
    for (const ExamTexts::Entry &entry : texts) {
        names.append(entry.name);
    }
    EXPECT_EQ(names,
        (QStringList {QStringLiteral("Castellano\\Examenes\\1 Uno"),
            QStringLiteral("Castellano\\Examenes\\2 Dos títulos"), QStringLiteral("Castellano\\Examenes\\3 Vacío"),
            QStringLiteral("Castellano\\Examenes\\10 Diez")}));
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts[1].title, QStringLiteral("Dos títulos"));
    // Windows-1252 decoded, CR LF kept as the drill counts it, the last line breaks left out.
    EXPECT_EQ(ExamTexts::read(texts[1].path), QStringLiteral("Línea uno\r\nÉl, dos"));
    EXPECT_TRUE(ExamTexts::read(texts[2].path).isEmpty());
    EXPECT_TRUE(ExamTexts::read(folder.path() + QStringLiteral("/nada.txt")).isEmpty());
    EXPECT_TRUE(ExamTexts::list(folder.path(), QStringLiteral("Euskara")).isEmpty());
    EXPECT_TRUE(ExamTexts::list(folder.path() + QStringLiteral("/nada"), QStringLiteral("Castellano")).isEmpty());
}

TEST(Certificate, IsNamedAfterTheLearnerDateAndTimeWithAFileNameThatAnySystemTakes)
{
    const QDateTime when(QDate(2026, 3, 9), QTime(8, 5, 7));
    struct Case {
        QString learner;
        QString name;
    };
    const Case cases[] = {
        {QStringLiteral("Ana"), QStringLiteral("Examen Ana 2026-03-09 08-05-07.pdf")},
        {QString(), QStringLiteral("Examen sin registrar 2026-03-09 08-05-07.pdf")},
        {QStringLiteral("Ana/../x:y*"), QStringLiteral("Examen Ana_.._x_y_ 2026-03-09 08-05-07.pdf")},
    };
    for (const Case &c : cases) {
        const QString name = Certificate::fileName(c.learner, when);
        EXPECT_EQ(name, c.name);
        EXPECT_TRUE(FileLookup::isSafeFileName(name)) << name.toStdString();
    }
}

TEST(Certificate, ThatCannotBeWrittenIsSaidAndLeavesNothingBehind)
{
    AppFolder folder;
    // A file where the folder should be.
    folder.write(QStringLiteral("Informes"), QStringLiteral("x"));
    Certificate::Content content;
    content.text = QStringLiteral("hola");
    EXPECT_FALSE(Certificate::write(folder.path() + QStringLiteral("/Informes/Examen.pdf"), content));
    EXPECT_EQ(folder.read(QStringLiteral("Informes")), QByteArray("x"));
    EXPECT_TRUE(Certificate::write(folder.path() + QStringLiteral("/Otros/Examen.pdf"), content));
    EXPECT_TRUE(folder.read(QStringLiteral("Otros/Examen.pdf")).startsWith("%PDF"));
}
