#include "ServerConnection.h"
#include "ServerSchema.h"
#include "ServerTestCase.h"

#include <QProcess>

namespace
{

using ServerSetupTest = ServerTestCase;

// Run again, the set-up migrates and changes nothing else: the same line, the learners kept, the
// teacher's password kept when the answer is empty and changed when one is given.
TEST_F(ServerSetupTest, RunTwiceChangesNothingButWhatIsAsked)
{
    const auto pc = newPc(QStringLiteral("A"));
    ASSERT_EQ(pc->registerLearner(QStringLiteral("Ana"), QStringLiteral("2468"), QString()),
        LearnerStore::Registration::Registered);
    // Functions an earlier set-up left: one gone from this version, one that answers otherwise now.
    adminRun(QStringLiteral("CREATE FUNCTION teclora.class_table(p_token text) RETURNS bigint LANGUAGE sql"
                            " SECURITY DEFINER AS 'SELECT count(*) FROM teclora.learners'"));
    adminRun(QStringLiteral("GRANT EXECUTE ON FUNCTION teclora.class_table(text) TO teclora_learner"));
    adminRun(QStringLiteral("DROP FUNCTION teclora.class_learners(text)"));
    adminRun(QStringLiteral("CREATE FUNCTION teclora.class_learners(p_token text) RETURNS SETOF text LANGUAGE sql"
                            " AS 'SELECT name FROM teclora.learners'"));
    const InitRun again = initServer(QString());
    EXPECT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, QStringLiteral("servidor=") + learnerUrl + QLatin1Char('\n'));
    EXPECT_TRUE(again.out.contains(QStringLiteral("?host=%2F")));
    EXPECT_EQ(newPc(QStringLiteral("B"))->signIn(QStringLiteral("Ana"), QStringLiteral("2468")).outcome,
        LearnerStore::SignIn::Accepted);
    const QString teacherWith = QStringLiteral("SELECT count(*) FROM teclora.teacher"
                                               " WHERE password_hash = teclora.crypt('%1', password_hash)");
    EXPECT_EQ(adminValue(teacherWith.arg(TeacherPassword)).toInt(), 1);
    EXPECT_EQ(adminValue(QStringLiteral("SELECT to_regprocedure('teclora.class_table(text)') IS NULL")).toBool(), true);
    EXPECT_EQ(adminValue(QStringLiteral("SELECT count(wrong_claves) FROM teclora.class_learners('x')")).toInt(), 0);

    const InitRun renewed = initServer(QStringLiteral("tiza-y-borrador"));
    EXPECT_EQ(renewed.status, 0);
    EXPECT_EQ(renewed.out, again.out);
    EXPECT_EQ(adminValue(teacherWith.arg(QStringLiteral("tiza-y-borrador"))).toInt(), 1);
    EXPECT_EQ(
        adminValue(QStringLiteral("SELECT version FROM teclora.schema_version")).toInt(), ServerSchema::CurrentVersion);
}

// A teacher's password under ten characters, or none at the first set-up, is refused and nothing
// is made; a URL that is no address, or a server away, are said plainly.
TEST_F(ServerSetupTest, RefusedSetUpMakesNothing)
{
    database = PostgresServer::shared().createDatabase();
    for (const QString &typed : {QStringLiteral("corta"), QString(), QStringLiteral("123456789")}) {
        const InitRun refused = initServer(typed);
        EXPECT_EQ(refused.status, 1);
        EXPECT_TRUE(refused.out.isEmpty());
        EXPECT_TRUE(refused.err.contains(QStringLiteral("al menos 10 caracteres"))) << refused.err.toStdString();
    }
    EXPECT_EQ(adminValue(QStringLiteral("SELECT to_regnamespace('teclora') IS NULL")).toBool(), true);

    QString input = TeacherPassword;
    QString out;
    QString err;
    QTextStream in(&input);
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    EXPECT_EQ(runInitServer(QStringLiteral("mysql://root@localhost/teclora"), in, outStream, errStream), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("postgresql://")));
    err.clear();
    EXPECT_EQ(
        runInitServer(QStringLiteral("postgresql://nadie@/teclora?host=/nonexistent"), in, outStream, errStream), 1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("No se pudo conectar con el servidor"))) << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
}

// A database left at the first version by an older Teclora is brought to the current one with
// its learners and drills kept.
TEST_F(ServerSetupTest, FirstVersionIsMigratedWithItsData)
{
    database = PostgresServer::shared().createDatabase();
    {
        ServerConnection connection(ServerAddress::parse(PostgresServer::shared().adminUrl(database)));
        ASSERT_TRUE(connection.open());
        QSqlDatabase admin = connection.database();
        QString error;
        ASSERT_EQ(ServerSchema::migrate(admin, &error, 1), ServerSchema::Outcome::Ready) << error.toStdString();
    }
    adminRun(QStringLiteral("CREATE EXTENSION pgcrypto SCHEMA teclora"));
    adminRun(QStringLiteral("INSERT INTO teclora.learners (name, clave_hash)"
                            " VALUES ('Vieja', teclora.crypt('1234', teclora.gen_salt('bf')))"));
    adminRun(QStringLiteral(
        "INSERT INTO teclora.drills (learner, drill_id, finished, exercise, seconds, speed, right_keys, wrong_keys,"
        " accuracy) SELECT id, gen_random_uuid(), '2025-01-01T10:00:00', 'e', 60, 90, 88, 2, 98 FROM "
        "teclora.learners"));
    EXPECT_EQ(adminValue(QStringLiteral("SELECT version FROM teclora.schema_version")).toInt(), 1);

    const InitRun run = initServer(TeacherPassword);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    learnerUrl = run.out.trimmed().mid(QStringLiteral("servidor=").size());
    EXPECT_EQ(
        adminValue(QStringLiteral("SELECT version FROM teclora.schema_version")).toInt(), ServerSchema::CurrentVersion);
    const auto pc = newPc(QStringLiteral("A"));
    ASSERT_EQ(pc->signIn(QStringLiteral("vieja"), QStringLiteral("1234")).outcome, LearnerStore::SignIn::Accepted);
    const QList<DrillRecord> drills = pc->statistics(QStringLiteral("vieja"))->drills();
    ASSERT_EQ(drills.size(), 1);
    EXPECT_EQ(drills[0].speed, 90);
    EXPECT_EQ(pc->statistics(QStringLiteral("Vieja"))->exams().size(), 0);
    // The wait of version 2 applies to the learners of version 1.
    for (int attempt = 0; attempt < 5; ++attempt) {
        pc->signIn(QStringLiteral("Vieja"), QStringLiteral("0000"));
    }
    EXPECT_EQ(pc->signIn(QStringLiteral("Vieja"), QStringLiteral("1234")).outcome, LearnerStore::SignIn::Waiting);
}

// A database made by a later Teclora is left alone.
TEST_F(ServerSetupTest, NewerVersionIsLeftAlone)
{
    adminRun(QStringLiteral("UPDATE teclora.schema_version SET version = 99"));
    const InitRun run = initServer(QString());
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("versión posterior")));
    EXPECT_EQ(adminValue(QStringLiteral("SELECT version FROM teclora.schema_version")).toInt(), 99);
}

// The program answers the administrator's commands on a machine without a display, the
// teacher's password piped in; wrong uses are refused with status 2.
TEST_F(ServerSetupTest, TheProgramSetsUpWithoutADisplay)
{
    const auto run = [](const QStringList &arguments, const QByteArray &input) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "TECLORA_SERVER"}) {
            environment.remove(QString::fromLatin1(variable));
        }
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TECLORA_PROGRAM), arguments);
        program.write(input);
        program.closeWriteChannel();
        EXPECT_TRUE(program.waitForFinished(60'000));
        return std::pair {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput())};
    };
    const QString adminUrl = PostgresServer::shared().adminUrl(database);
    const auto [status, out] = run({QStringLiteral("--init-server"), adminUrl}, TeacherPassword.toUtf8() + '\n');
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, QStringLiteral("servidor=") + learnerUrl + QLatin1Char('\n'));
    EXPECT_EQ(run({QStringLiteral("--init-server")}, {}).first, 2);
    EXPECT_EQ(run({QStringLiteral("--import-folder"), adminUrl}, {}).first, 2);
}

} // namespace
