#include "ServerConnection.h"
#include "ServerTestCase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace
{

DrillRecord drillAt(const QString &finished, qint64 speed)
{
    DrillRecord drill;
    drill.finished = finished;
    drill.exercise = QStringLiteral("Español\\Lección 3\\%1").arg(speed);
    drill.seconds = 60;
    drill.speed = speed;
    drill.right = speed - 2;
    drill.wrong = 2;
    drill.accuracy = 97;
    drill.keys = {{QLatin1Char('a'), 10, 0}, {QChar(0xF1), 3, 2}};
    drill.mistakes = {{QChar(0xF1), QLatin1Char('n'), 6, 2}};
    return drill;
}

QStringList finishedOf(const QList<DrillRecord> &drills)
{
    QStringList finished;
    for (const DrillRecord &drill : drills) {
        finished.append(drill.finished);
    }
    return finished;
}

using ServerStoreTest = ServerTestCase;

// Registered and practising on one PC, the learner finds everything on another.
TEST_F(ServerStoreTest, AnotherPcFindsTheHistoryDrillsTotalsAndTests)
{
    const auto pcA = newPc(QStringLiteral("A"));
    EXPECT_EQ(pcA->refusalOf(QStringLiteral("Nuria")), std::nullopt);
    ASSERT_EQ(pcA->registerLearner(QStringLiteral("Nuria"), QStringLiteral("1234"), QStringLiteral(" 08/12/2026")),
        LearnerStore::Registration::Registered);
    const auto history = pcA->history(QStringLiteral("Nuria"));
    const auto statistics = pcA->statistics(QStringLiteral("nuria"));
    ASSERT_TRUE(statistics->usable());
    EXPECT_TRUE(history->append("{\\rtf1 primera}"));
    EXPECT_TRUE(statistics->record(drillAt(QStringLiteral("2026-12-08T09:00:00"), 120)));
    // A piece comes back byte for byte, whatever bytes an older PC's file held.
    QByteArray everyByte = "{\\rtf1 segunda ";
    for (int byte = 0; byte < 256; ++byte) {
        everyByte.append(char(byte));
    }
    everyByte.append('}');
    EXPECT_TRUE(history->append(everyByte));
    EXPECT_TRUE(statistics->record(drillAt(QStringLiteral("2026-12-08T09:05:00"), 140)));
    ExamRecord exam;
    exam.finished = QStringLiteral("2026-12-08T09:10:00");
    exam.text = QStringLiteral("El Quijote");
    exam.minutes = 3;
    exam.seconds = 180;
    exam.penalty = 10;
    exam.keystrokes = 600;
    exam.errors = 4;
    exam.gross = 200;
    exam.net = 187;
    exam.accuracy = 99;
    exam.keys = {{QLatin1Char('a'), 5, 1}};
    EXPECT_TRUE(statistics->recordExam(exam));
    EXPECT_TRUE(history->save("everything at once"));
    // Nobody keeps what a learner who never signed in here finished.
    EXPECT_FALSE(pcA->statistics(QStringLiteral("Otro"))->usable());
    EXPECT_FALSE(pcA->statistics(QStringLiteral("Otro"))->record(drillAt(QStringLiteral("2026-12-08T09:06:00"), 1)));
    EXPECT_FALSE(pcA->history(QStringLiteral("Otro"))->append("x"));

    const auto pcB = newPc(QStringLiteral("B"));
    EXPECT_EQ(pcB->learners(), QStringList {QStringLiteral("Nuria")});
    EXPECT_EQ(pcB->refusalOf(QStringLiteral("NURIA")), LearnerStore::Registration::NameTaken);
    ASSERT_EQ(pcB->signIn(QStringLiteral("nuria"), QStringLiteral("1234")).outcome, LearnerStore::SignIn::Accepted);
    EXPECT_EQ(pcB->storedName(QStringLiteral("NURIA")), QStringLiteral("Nuria"));
    const QList<QByteArray> documents = pcB->history(QStringLiteral("nuria"))->load().documents;
    EXPECT_EQ(documents, (QList<QByteArray> {"Nuria 08/12/2026\r\n", "{\\rtf1 primera}", everyByte}));

    const auto onB = pcB->statistics(QStringLiteral("Nuria"));
    const QList<DrillRecord> drills = onB->drills();
    ASSERT_EQ(drills.size(), 2);
    EXPECT_EQ(drills[1].exercise, QStringLiteral("Español\\Lección 3\\140"));
    EXPECT_EQ(drills[1].speed, 140);
    EXPECT_EQ(drills[1].right, 138);
    EXPECT_EQ(drills[1].accuracy, 97);
    const QList<KeyCount> keys = onB->keyTotals();
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(keys[0].character, QLatin1Char('a'));
    EXPECT_EQ(keys[0].right, 25); // two drills and the test
    EXPECT_EQ(keys[0].wrong, 1);
    EXPECT_EQ(keys[1].character, QChar(0xF1));
    EXPECT_EQ(keys[1].wrong, 4);
    const QList<Mistake> mistakes = onB->mistakeTotals();
    ASSERT_EQ(mistakes.size(), 1);
    EXPECT_EQ(mistakes[0].typed, QLatin1Char('n'));
    EXPECT_EQ(mistakes[0].kind, 6);
    EXPECT_EQ(mistakes[0].times, 4);
    const QList<ExamRecord> exams = onB->exams();
    ASSERT_EQ(exams.size(), 1);
    EXPECT_EQ(exams[0].text, QStringLiteral("El Quijote"));
    EXPECT_EQ(exams[0].net, 187);
    EXPECT_EQ(exams[0].seconds, 180);
}

// The same learner on two PCs at once: every drill of both is kept, in the order they finished.
TEST_F(ServerStoreTest, TwoPcsOfOneLearnerKeepEveryDrillInFinishingOrder)
{
    const auto pcA = newPc(QStringLiteral("A"));
    const auto pcB = newPc(QStringLiteral("B"));
    ASSERT_EQ(pcA->registerLearner(QStringLiteral("Íñigo"), QStringLiteral("0007"), QStringLiteral(" hoy")),
        LearnerStore::Registration::Registered);
    ASSERT_EQ(pcB->signIn(QStringLiteral("ÍÑIGO"), QStringLiteral("0007")).outcome, LearnerStore::SignIn::Accepted);
    const auto onA = pcA->statistics(QStringLiteral("Íñigo"));
    const auto onB = pcB->statistics(QStringLiteral("íñigo"));
    const auto historyA = pcA->history(QStringLiteral("Íñigo"));
    const auto historyB = pcB->history(QStringLiteral("ÍÑIGO"));
    QStringList expected;
    for (int minute = 10; minute < 18; ++minute) {
        const QString finished = QStringLiteral("2026-12-08T10:%1:00").arg(minute);
        expected.append(finished);
        const bool onPcA = minute % 2 == 0;
        EXPECT_TRUE((onPcA ? onA : onB)->record(drillAt(finished, minute)));
        EXPECT_TRUE((onPcA ? historyA : historyB)->append(finished.toLatin1()));
    }
    EXPECT_EQ(finishedOf(onA->drills()), expected);
    EXPECT_EQ(finishedOf(onB->drills()), expected);
    EXPECT_EQ(onB->keyTotals().constFirst().right, 8 * 10);
    const QList<QByteArray> documents = historyA->load().documents;
    ASSERT_EQ(documents.size(), 1 + expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(documents[i + 1], expected[i].toLatin1());
    }
}

// The server stopped in the middle of a session and started again: the drills finished
// meanwhile wait on the PC and reach the server once, at the next drill or the next sign-in.
TEST_F(ServerStoreTest, DrillsFinishedWhileTheServerIsAwayArriveOnce)
{
    PostgresServer &server = PostgresServer::shared();
    int notices = 0;
    {
        const auto pc = newPc(QStringLiteral("A"));
        pc->setAwayNotice([&notices] {
            ++notices;
        });
        ASSERT_EQ(pc->registerLearner(QStringLiteral("Paz"), QStringLiteral("4321"), QString()),
            LearnerStore::Registration::Registered);
        const auto statistics = pc->statistics(QStringLiteral("Paz"));
        const auto history = pc->history(QStringLiteral("Paz"));
        EXPECT_TRUE(statistics->record(drillAt(QStringLiteral("2026-12-08T11:00:00"), 100)));

        ASSERT_TRUE(server.stop());
        EXPECT_TRUE(statistics->record(drillAt(QStringLiteral("2026-12-08T11:01:00"), 101)));
        EXPECT_TRUE(history->append("{\\rtf1 sin servidor}"));
        EXPECT_TRUE(statistics->record(drillAt(QStringLiteral("2026-12-08T11:02:00"), 102)));
        EXPECT_EQ(notices, 1);
        EXPECT_TRUE(QFile::exists(queuePath(QStringLiteral("A"))));
        EXPECT_EQ(pc->signIn(QStringLiteral("Paz"), QStringLiteral("4321")).outcome, LearnerStore::SignIn::Unreachable);
        EXPECT_EQ(pc->refusalOf(QStringLiteral("Otro")), LearnerStore::Registration::Unreachable);
        EXPECT_TRUE(statistics->drills().isEmpty());

        // Back: the next drill takes the queue with it.
        ASSERT_TRUE(server.start());
        EXPECT_TRUE(statistics->record(drillAt(QStringLiteral("2026-12-08T11:03:00"), 103)));
        EXPECT_EQ(finishedOf(statistics->drills()),
            (QStringList {QStringLiteral("2026-12-08T11:00:00"), QStringLiteral("2026-12-08T11:01:00"),
                QStringLiteral("2026-12-08T11:02:00"), QStringLiteral("2026-12-08T11:03:00")}));
        EXPECT_EQ(history->load().documents.constLast(), "{\\rtf1 sin servidor}");
        EXPECT_FALSE(QFile::exists(queuePath(QStringLiteral("A"))));

        // Away again until the program ends: the queue waits for the next run on this PC.
        ASSERT_TRUE(server.stop());
        EXPECT_TRUE(statistics->record(drillAt(QStringLiteral("2026-12-08T11:04:00"), 104)));
        EXPECT_EQ(notices, 1);
    }
    ASSERT_TRUE(server.start());
    const auto elsewhere = newPc(QStringLiteral("B"));
    ASSERT_EQ(elsewhere->signIn(QStringLiteral("Paz"), QStringLiteral("4321")).outcome, LearnerStore::SignIn::Accepted);
    EXPECT_EQ(elsewhere->statistics(QStringLiteral("Paz"))->drills().size(), 4);

    const auto nextRun = newPc(QStringLiteral("A"));
    ASSERT_EQ(nextRun->signIn(QStringLiteral("paz"), QStringLiteral("4321")).outcome, LearnerStore::SignIn::Accepted);
    EXPECT_FALSE(QFile::exists(queuePath(QStringLiteral("A"))));
    const QList<DrillRecord> drills = elsewhere->statistics(QStringLiteral("Paz"))->drills();
    EXPECT_EQ(drills.size(), 5);
    EXPECT_EQ(drills.constLast().speed, 104);
    EXPECT_EQ(elsewhere->statistics(QStringLiteral("Paz"))->keyTotals().constFirst().right, 5 * 10);
}

// A server that lets a connection wait out its whole timeout keeps the window waiting once, not
// at every finished drill: what is finished meanwhile goes to the queue untried, and a sign-in,
// which always tries, takes the queue to the server once it is back.
TEST_F(ServerStoreTest, AServerThatDoesNotAnswerIsWaitedForOnceNotAtEveryDrill)
{
    PostgresServer &server = PostgresServer::shared();
    ServerLearnerStore pc(
        ServerAddress::parse(learnerUrl + QStringLiteral("&connect_timeout=2")), queuePath(QStringLiteral("A")));
    ASSERT_EQ(pc.registerLearner(QStringLiteral("Noa"), QStringLiteral("2468"), QString()),
        LearnerStore::Registration::Registered);
    const auto statistics = pc.statistics(QStringLiteral("Noa"));
    const auto history = pc.history(QStringLiteral("Noa"));
    pc.setAwayNotice([] {});

    ASSERT_TRUE(server.stop());
    {
        // Takes connections into its backlog and never answers them.
        QLocalServer mute;
        QLocalServer::removeServer(server.socketPath());
        ASSERT_TRUE(mute.listen(server.socketPath())) << mute.errorString().toStdString();
        EXPECT_TRUE(history->append("{\\rtf1 sin respuesta}"));
        EXPECT_TRUE(statistics->record(drillAt(QStringLiteral("2026-12-08T13:00:00"), 120)));
        EXPECT_TRUE(history->append("{\\rtf1 otra}"));
        EXPECT_TRUE(statistics->record(drillAt(QStringLiteral("2026-12-08T13:01:00"), 121)));
        int tries = 0;
        while (mute.waitForNewConnection(0)) {
            while (QLocalSocket *attempt = mute.nextPendingConnection()) {
                ++tries;
                delete attempt;
            }
        }
        EXPECT_EQ(tries, 1);
    }
    ASSERT_TRUE(server.start());
    ASSERT_EQ(pc.signIn(QStringLiteral("Noa"), QStringLiteral("2468")).outcome, LearnerStore::SignIn::Accepted);
    EXPECT_EQ(statistics->drills().size(), 2);
    EXPECT_EQ(history->load().documents.constLast(), "{\\rtf1 otra}");
    EXPECT_FALSE(QFile::exists(queuePath(QStringLiteral("A"))));
}

// Histories are opened two at a time: a PC waits its turn while both are taken, takes a free
// one at once, and goes ahead without one when a turn is held past the wait (a PC gone in the
// middle of its history). Drills take no turn and are kept meanwhile.
TEST_F(ServerStoreTest, HistoriesAreOpenedInTurnsThatNobodyHoldsForever)
{
    const auto pc = newPc(QStringLiteral("A"));
    ASSERT_EQ(pc->registerLearner(QStringLiteral("Iker"), QStringLiteral("1357"), QString()),
        LearnerStore::Registration::Registered);
    const auto history = pc->history(QStringLiteral("Iker"));
    ASSERT_TRUE(history->append("{\\rtf1 antes}"));
    const QList<QByteArray> whole = history->load().documents;

    ServerConnection other(ServerAddress::parse(PostgresServer::shared().adminUrl(database)));
    ASSERT_TRUE(other.open());
    QSqlDatabase holder = other.database();
    QSqlQuery query(holder);
    ASSERT_TRUE(holder.transaction());
    ASSERT_TRUE(query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7302, 0)")));
    QElapsedTimer opening;
    opening.start();
    EXPECT_EQ(history->load().documents, whole);
    EXPECT_LT(opening.elapsed(), 4000);

    ASSERT_TRUE(query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7302, 1)")));
    EXPECT_TRUE(pc->statistics(QStringLiteral("Iker"))->record(drillAt(QStringLiteral("2026-12-08T14:00:00"), 150)));
    opening.restart();
    EXPECT_EQ(history->load().documents, whole);
    EXPECT_GE(opening.elapsed(), 4000);
    holder.rollback();
}

// A queue file damaged on the PC is set aside, never written over, and the store goes on.
TEST_F(ServerStoreTest, UnreadableQueueIsSetAside)
{
    const QString path = queuePath(QStringLiteral("A"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[{\"id\": \"x\", \"tipo\": ");
    damaged.close();
    const auto pc = newPc(QStringLiteral("A"));
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".ilegible")));
    ASSERT_EQ(pc->registerLearner(QStringLiteral("Leo"), QStringLiteral("1111"), QString()),
        LearnerStore::Registration::Registered);
    EXPECT_TRUE(pc->statistics(QStringLiteral("Leo"))->record(drillAt(QStringLiteral("2026-12-08T12:00:00"), 90)));
    EXPECT_EQ(pc->statistics(QStringLiteral("Leo"))->drills().size(), 1);
}

} // namespace
