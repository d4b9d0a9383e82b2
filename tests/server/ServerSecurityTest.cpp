#include "ServerClassRoster.h"
#include "ServerTestCase.h"

namespace
{

class ServerSecurityTest : public ServerTestCase
{
protected:
    // The answer of statement with the lab's credentials, which every learner can read.
    QVariant asLearnerRole(const QString &statement, QString *error = nullptr)
    {
        return valueAs(ServerAddress::parse(learnerUrl), statement, error);
    }
    QVariant asTeacherRole(const QString &statement, QString *error = nullptr)
    {
        return valueAs(
            ServerAddress::parse(learnerUrl).as(QStringLiteral("teclora_teacher"), TeacherPassword), statement, error);
    }
    // A session of learner, as a program with the lab's credentials would get it.
    QString sessionOf(const QString &learner, const QString &clave)
    {
        return asLearnerRole(QStringLiteral("SELECT session FROM teclora.sign_in('%1', '%2')").arg(learner, clave))
            .toString();
    }
};

// With the lab's credentials and psql, nobody reads or changes another learner's rows.
TEST_F(ServerSecurityTest, TheLabsCredentialsReachNoLearnersRows)
{
    const auto pc = newPc(QStringLiteral("A"));
    ASSERT_EQ(pc->registerLearner(QStringLiteral("Ana"), QStringLiteral("2468"), QString()),
        LearnerStore::Registration::Registered);
    DrillRecord drill;
    drill.finished = QStringLiteral("2026-12-08T09:00:00");
    drill.speed = 150;
    ASSERT_TRUE(pc->statistics(QStringLiteral("Ana"))->record(drill));
    ASSERT_EQ(pc->registerLearner(QStringLiteral("Bruno"), QStringLiteral("1357"), QString()),
        LearnerStore::Registration::Registered);
    const QString brunosSession = sessionOf(QStringLiteral("Bruno"), QStringLiteral("1357"));
    ASSERT_EQ(brunosSession.size(), 64);

    const QStringList refused = {
        QStringLiteral("SELECT count(*) FROM teclora.drills"),
        QStringLiteral("SELECT clave_hash FROM teclora.learners"),
        QStringLiteral("SELECT token FROM teclora.sessions"),
        QStringLiteral("SELECT learner_password FROM teclora.lab"),
        QStringLiteral("UPDATE teclora.learners SET clave_hash = ''"),
        QStringLiteral("DELETE FROM teclora.history_pieces"),
        QStringLiteral("INSERT INTO teclora.sessions (token, learner) VALUES ('x', 1)"),
        // The helpers behind the functions, pgcrypto's own, and the teacher's functions.
        QStringLiteral("SELECT count(*) FROM teclora.drills_of(1)"),
        QStringLiteral("SELECT teclora.new_session(1)"),
        QStringLiteral("SELECT teclora.set_teacher_password('0123456789')"),
        QStringLiteral("SELECT teclora.gen_salt('bf')"),
        QStringLiteral("SELECT count(*) FROM teclora.class_learners('x')"),
        QStringLiteral("CREATE TABLE teclora.mine (x integer)"),
    };
    for (const QString &statement : refused) {
        QString error;
        EXPECT_FALSE(asLearnerRole(statement, &error).isValid()) << statement.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("permission denied"))) << error.toStdString();
    }

    // A name registered past the program, which no folder could hold, is no learner.
    EXPECT_EQ(
        asLearnerRole(QStringLiteral("SELECT length(teclora.register_learner('../Ajustes', '1', gen_random_uuid(),"
                                     " 'x'))"))
            .toInt(),
        64);
    EXPECT_EQ(pc->learners(), (QStringList {QStringLiteral("Ana"), QStringLiteral("Bruno")}));
    EXPECT_EQ(pc->signIn(QStringLiteral("../Ajustes"), QStringLiteral("1")).outcome, LearnerStore::SignIn::UnknownUser);

    // A made-up session, and Bruno's, read and change nothing of Ana's.
    for (const QString &session : {QStringLiteral("00"), QString(64, QLatin1Char('a')), brunosSession}) {
        EXPECT_EQ(
            asLearnerRole(QStringLiteral("SELECT count(*) FROM teclora.my_drills('%1')").arg(session)).toInt(), 0);
        EXPECT_EQ(asLearnerRole(QStringLiteral("SELECT count(*) FROM teclora.my_history('%1')").arg(session)).toInt(),
            session == brunosSession ? 1 : 0);
    }
    EXPECT_FALSE(asLearnerRole(QStringLiteral("SELECT teclora.record_drill('00', gen_random_uuid(), '{}')")).toBool());
    EXPECT_FALSE(
        asLearnerRole(QStringLiteral("SELECT teclora.append_history('00', gen_random_uuid(), now(), 'x')")).toBool());
    EXPECT_EQ(adminValue(QStringLiteral("SELECT count(*) FROM teclora.drills")).toInt(), 1);
    EXPECT_EQ(adminValue(QStringLiteral("SELECT count(*) FROM teclora.history_pieces")).toInt(), 3);

    // Claves are slow salted hashes: the same clave gives two different ones.
    adminRun(QStringLiteral("DELETE FROM teclora.learners WHERE name = '../Ajustes'"));
    adminRun(QStringLiteral("UPDATE teclora.learners SET clave_hash = teclora.crypt('2468', teclora.gen_salt('bf'))"
                            " WHERE name = 'Bruno'"));
    EXPECT_EQ(adminValue(QStringLiteral("SELECT count(*) FROM teclora.learners WHERE clave_hash LIKE '%2468%'"
                                        " OR clave_hash LIKE '%1357%' OR clave_hash NOT LIKE '$2a$%'"))
                  .toInt(),
        0);
    EXPECT_EQ(adminValue(QStringLiteral("SELECT count(DISTINCT clave_hash) FROM teclora.learners")).toInt(), 2);
}

// A drill or piece sent again (its answer lost on the way) is kept once.
TEST_F(ServerSecurityTest, ItemSentAgainIsKeptOnce)
{
    const auto pc = newPc(QStringLiteral("A"));
    ASSERT_EQ(pc->registerLearner(QStringLiteral("Ana"), QStringLiteral("2468"), QString()),
        LearnerStore::Registration::Registered);
    const QString session = sessionOf(QStringLiteral("Ana"), QStringLiteral("2468"));
    const QString drill = QStringLiteral(
        "SELECT teclora.record_drill('%1', 'a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11', '{\"finished\": "
        "\"2026-12-08T09:00:00\","
        " \"exercise\": \"e\", \"seconds\": 60, \"speed\": 100, \"right_keys\": 98, \"wrong_keys\": 2, \"accuracy\": "
        "98,"
        " \"keys\": [{\"c\": 97, \"r\": 98, \"w\": 2}], \"mistakes\": [{\"e\": 97, \"t\": 115, \"k\": 6, \"n\": 2}]}')")
                              .arg(session);
    const QString piece
        = QStringLiteral("SELECT teclora.append_history('%1', 'b0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11', now(), 'x')")
              .arg(session);
    for (int time = 0; time < 3; ++time) {
        EXPECT_TRUE(asLearnerRole(drill).toBool());
        EXPECT_TRUE(asLearnerRole(piece).toBool());
    }
    const auto statistics = pc->statistics(QStringLiteral("Ana"));
    EXPECT_EQ(statistics->drills().size(), 1);
    EXPECT_EQ(statistics->keyTotals().constFirst().right, 98);
    EXPECT_EQ(statistics->mistakeTotals().constFirst().times, 2);
    EXPECT_EQ(pc->history(QStringLiteral("Ana"))->load().documents.size(), 2);
}

// Five wrong claves in a row make the name wait, whatever is typed then; the wait ends with time
// or with the teacher's new clave.
TEST_F(ServerSecurityTest, WrongClavesInARowMakeTheNameWait)
{
    const auto pc = newPc(QStringLiteral("A"));
    ASSERT_EQ(pc->registerLearner(QStringLiteral("Ana"), QStringLiteral("2468"), QString()),
        LearnerStore::Registration::Registered);
    const auto tryWrongClaves = [&pc](int times) {
        for (int attempt = 1; attempt < times; ++attempt) {
            EXPECT_EQ(
                pc->signIn(QStringLiteral("ana"), QStringLiteral("0000")).outcome, LearnerStore::SignIn::WrongClave);
        }
        const LearnerStore::SignInAnswer last = pc->signIn(QStringLiteral("ana"), QStringLiteral("0000"));
        EXPECT_EQ(last.outcome, LearnerStore::SignIn::Waiting);
        EXPECT_EQ(last.waitSeconds, 60);
    };
    // A right clave starts the count again.
    for (int attempt = 0; attempt < 4; ++attempt) {
        EXPECT_EQ(pc->signIn(QStringLiteral("Ana"), QStringLiteral("1111")).outcome, LearnerStore::SignIn::WrongClave);
    }
    EXPECT_EQ(pc->signIn(QStringLiteral("Ana"), QStringLiteral("2468")).outcome, LearnerStore::SignIn::Accepted);
    tryWrongClaves(5);
    const LearnerStore::SignInAnswer waiting = pc->signIn(QStringLiteral("Ana"), QStringLiteral("2468"));
    EXPECT_EQ(waiting.outcome, LearnerStore::SignIn::Waiting);
    EXPECT_GT(waiting.waitSeconds, 0);
    EXPECT_LE(waiting.waitSeconds, 60);
    EXPECT_EQ(pc->signIn(QStringLiteral("Nadie"), QStringLiteral("2468")).outcome, LearnerStore::SignIn::UnknownUser);

    adminRun(QStringLiteral("UPDATE teclora.learners SET wait_until = now() - interval '1 second'"));
    EXPECT_EQ(pc->signIn(QStringLiteral("Ana"), QStringLiteral("2468")).outcome, LearnerStore::SignIn::Accepted);

    tryWrongClaves(5);
    const QString teacher
        = asTeacherRole(QStringLiteral("SELECT teclora.teacher_sign_in('%1')").arg(TeacherPassword)).toString();
    ASSERT_EQ(teacher.size(), 64);
    EXPECT_TRUE(asTeacherRole(QStringLiteral("SELECT teclora.reset_clave('%1', 'ANA', '9753')").arg(teacher)).toBool());
    EXPECT_FALSE(asTeacherRole(QStringLiteral("SELECT teclora.reset_clave('00', 'Ana', '0000')")).toBool());
    EXPECT_EQ(pc->signIn(QStringLiteral("Ana"), QStringLiteral("2468")).outcome, LearnerStore::SignIn::WrongClave);
    EXPECT_EQ(pc->signIn(QStringLiteral("Ana"), QStringLiteral("9753")).outcome, LearnerStore::SignIn::Accepted);
}

// The teacher signs in with the password of the set-up and reads the class; a wrong password
// gets nothing, and the learner role none of the teacher's functions.
TEST_F(ServerSecurityTest, TeacherReadsTheClass)
{
    const auto pc = newPc(QStringLiteral("A"));
    ASSERT_EQ(pc->registerLearner(QStringLiteral("bruno"), QStringLiteral("1357"), QString()),
        LearnerStore::Registration::Registered);
    ASSERT_EQ(pc->registerLearner(QStringLiteral("Ana"), QStringLiteral("2468"), QString()),
        LearnerStore::Registration::Registered);
    DrillRecord drill;
    drill.finished = QStringLiteral("2026-12-08T09:00:00");
    drill.exercise = QStringLiteral("Español\\Lección 4\\2");
    drill.speed = 160;
    drill.keys = {{QLatin1Char('a'), 9, 1}};
    ASSERT_TRUE(pc->statistics(QStringLiteral("Ana"))->record(drill));
    // Someone walking through bruno's claves: the count outlives the wait after five.
    for (int attempt = 0; attempt < 6; ++attempt) {
        pc->signIn(QStringLiteral("bruno"), QStringLiteral("1111"));
    }

    ServerClassRoster wrong(ServerAddress::parse(learnerUrl));
    EXPECT_EQ(wrong.signInTeacher(QStringLiteral("pizarra-roja-2026")), ClassRoster::SignIn::WrongPassword);
    EXPECT_EQ(wrong.learners(), std::nullopt);
    EXPECT_EQ(wrong.statistics(QStringLiteral("Ana")), nullptr);

    ServerClassRoster teacher(ServerAddress::parse(learnerUrl));
    ASSERT_EQ(teacher.signInTeacher(TeacherPassword), ClassRoster::SignIn::Accepted);
    const std::optional<QList<ClassRoster::Learner>> learners = teacher.learners();
    ASSERT_TRUE(learners.has_value());
    ASSERT_EQ(learners->size(), 2);
    EXPECT_EQ(learners->at(0).name, QStringLiteral("Ana"));
    EXPECT_EQ(learners->at(0).wrongClaves, 0);
    EXPECT_EQ(learners->at(1).name, QStringLiteral("bruno"));
    EXPECT_EQ(learners->at(1).wrongClaves, 5) << "the sixth try came during the wait";
    const auto ana = teacher.statistics(QStringLiteral("ana"));
    ASSERT_EQ(ana->drills().size(), 1);
    EXPECT_EQ(ana->drills().constFirst().speed, 160);
    EXPECT_EQ(ana->keyTotals().constFirst().wrong, 1);
    EXPECT_FALSE(ana->record(drill)) << "the teacher's reading records nothing";
    EXPECT_EQ(teacher.statistics(QStringLiteral("Ana"))->drills().size(), 1);
    EXPECT_FALSE(teacher.resetClave(QStringLiteral("Nadie"), QStringLiteral("0000")));

    QString error;
    EXPECT_FALSE(asTeacherRole(QStringLiteral("SELECT count(*) FROM teclora.my_drills('00')"), &error).isValid());
    EXPECT_EQ(asTeacherRole(QStringLiteral("SELECT count(*) FROM teclora.class_learners('00')")).toInt(), 0);
    EXPECT_FALSE(
        asLearnerRole(QStringLiteral("SELECT teclora.teacher_sign_in('%1')").arg(TeacherPassword), &error).isValid());

    // Stopped, the server is away, not the password wrong.
    ASSERT_TRUE(PostgresServer::shared().stop());
    ServerClassRoster away(ServerAddress::parse(learnerUrl));
    EXPECT_EQ(away.signInTeacher(TeacherPassword), ClassRoster::SignIn::Unreachable);
    EXPECT_EQ(teacher.learners(), std::nullopt);
}

} // namespace
