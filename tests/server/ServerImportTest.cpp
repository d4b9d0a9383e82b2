#include "ServerImport.h"
#include "AppFolder.h"
#include "ServerTestCase.h"
#include "StatsStore.h"

#include <QDirIterator>

namespace
{

// Every file of folder with its bytes, to see that nothing changed.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files.insert(it.filePath(), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?"));
    }
    return files;
}

class ServerImportTest : public ServerTestCase
{
protected:
    struct ImportRun {
        int status = 0;
        QString out;
        QString err;
    };
    ImportRun importFolder(bool apply)
    {
        ImportRun run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        run.status = runImportFolder(pc.path(), PostgresServer::shared().adminUrl(database), apply, out, err);
        return run;
    }

    // A PC as the folders keep it: Ana with statistics, bruno's clave file named in another case,
    // Carla also on the server already, and Dora whose clave file is gone.
    void SetUp() override
    {
        ServerTestCase::SetUp();
        if (IsSkipped()) {
            return;
        }
        pc.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana - historial\n"));
        pc.writeBytes(QStringLiteral("Usuarios/Ana"), pc.read(QStringLiteral("Usuarios/Ana")) + "{\\rtf1 eco}");
        pc.write(QStringLiteral("Claves/Anaclave"), QStringLiteral("\"2468\""));
        pc.write(QStringLiteral("Usuarios/Bruno"), QStringLiteral("Bruno\n"));
        pc.write(QStringLiteral("Claves/brunoclave"), QStringLiteral("1357,x"));
        pc.write(QStringLiteral("Usuarios/Carla"), QStringLiteral("Carla\n"));
        pc.write(QStringLiteral("Claves/Carlaclave"), QStringLiteral("0000"));
        pc.write(QStringLiteral("Usuarios/Dora"), QStringLiteral("Dora\n"));
        StatsStore stats(pc.path() + QStringLiteral("/Estadisticas/Ana.sqlite"));
        for (const auto &[finished, speed] : {std::pair {"2026-11-02T10:00:00", 80}, {"2026-11-03T10:00:00", 95}}) {
            DrillRecord drill;
            drill.finished = QString::fromLatin1(finished);
            drill.exercise = QStringLiteral("Español\\Lección 1\\1");
            drill.speed = speed;
            drill.keys = {{QChar(0xF1), 4, 2}};
            drill.mistakes = {{QChar(0xF1), QLatin1Char('n'), 6, 2}};
            ASSERT_TRUE(stats.record(drill));
        }
        ExamRecord exam;
        exam.finished = QStringLiteral("2026-11-04T10:00:00");
        exam.text = QStringLiteral("Platero");
        ASSERT_TRUE(stats.recordExam(exam));
        const auto other = newPc(QStringLiteral("aula"));
        ASSERT_EQ(other->registerLearner(QStringLiteral("CARLA"), QStringLiteral("1111"), QString()),
            LearnerStore::Registration::Registered);
    }

    AppFolder pc;
};

// The dry run lists and changes nothing; --apply imports all but the conflict and the learner
// without a clave; nothing on the PC changes either way.
TEST_F(ServerImportTest, ListsThenImportsAPcsFoldersSkippingConflicts)
{
    const QMap<QString, QByteArray> before = snapshot(pc.path());
    const ImportRun dry = importFolder(false);
    EXPECT_EQ(dry.status, 1) << dry.err.toStdString();
    EXPECT_TRUE(dry.out.contains(QStringLiteral("Se importaría Ana: historial de 28 bytes, 2 ejercicios, 1 exámenes.")))
        << dry.out.toStdString();
    EXPECT_TRUE(dry.out.contains(QStringLiteral("Conflicto: Carla ya está en el servidor; no se importa.")));
    EXPECT_TRUE(dry.out.contains(QStringLiteral("No se importa Dora: no tiene clave legible.")));
    EXPECT_TRUE(dry.out.contains(QStringLiteral("Nada ha cambiado")));
    EXPECT_EQ(adminValue(QStringLiteral("SELECT count(*) FROM teclora.learners")).toInt(), 1);

    const ImportRun applied = importFolder(true);
    EXPECT_TRUE(applied.out.contains(QStringLiteral("2 alumnos importados, 1 conflictos, 1 con problemas.")))
        << applied.out.toStdString();
    EXPECT_EQ(snapshot(pc.path()), before);

    const auto lab = newPc(QStringLiteral("A"));
    EXPECT_EQ(lab->learners(), (QStringList {QStringLiteral("Ana"), QStringLiteral("Bruno"), QStringLiteral("CARLA")}));
    EXPECT_EQ(lab->signIn(QStringLiteral("Carla"), QStringLiteral("0000")).outcome, LearnerStore::SignIn::WrongClave);
    ASSERT_EQ(lab->signIn(QStringLiteral("bruno"), QStringLiteral("1357")).outcome, LearnerStore::SignIn::Accepted);
    ASSERT_EQ(lab->signIn(QStringLiteral("ana"), QStringLiteral("2468")).outcome, LearnerStore::SignIn::Accepted);
    EXPECT_EQ(
        lab->history(QStringLiteral("Ana"))->load().documents, QList<QByteArray> {"Ana - historial\r\n{\\rtf1 eco}"});
    const auto statistics = lab->statistics(QStringLiteral("Ana"));
    ASSERT_EQ(statistics->drills().size(), 2);
    EXPECT_EQ(statistics->drills().constLast().speed, 95);
    ASSERT_EQ(statistics->keyTotals().size(), 1);
    EXPECT_EQ(statistics->keyTotals().constFirst().wrong, 4);
    EXPECT_EQ(statistics->mistakeTotals().constFirst().times, 4);
    EXPECT_EQ(statistics->exams().constFirst().text, QStringLiteral("Platero"));

    // Run again, everyone is a conflict and nothing is doubled.
    EXPECT_TRUE(importFolder(true).out.contains(QStringLiteral("0 alumnos importados, 3 conflictos")));
    EXPECT_EQ(statistics->drills().size(), 2);
}

} // namespace
