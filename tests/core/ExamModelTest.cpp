#include "ExamModel.h"
#include "ExamRules.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(ExamRules, FiguresFollowTheFormulaWithThePenaltyAndNeverGoBelowZero)
{
    struct Case {
        const char *name;
        qint64 keystrokes, errors, msecs;
        int penalty;
        qint64 gross, net, accuracy;
        int seconds;
    };
    const Case cases[] = {
        // 1000 keys in 5 min: 200 gross; (1000 - 10 x 4) / 5 = 192 net; 996 of 1000 right.
        {"five minutes", 1000, 4, 300'000, 10, 200, 192, 99, 300},
        {"no penalty", 1000, 4, 300'000, 0, 200, 200, 99, 300},
        // 90 keys in 30 s: 180 gross; (90 - 5 x 3) / 0.5 = 150 net.
        {"text done early", 90, 3, 30'000, 5, 180, 150, 96, 30},
        {"more penalty than keys", 20, 10, 60'000, 10, 20, 0, 50, 60},
        {"a test shorter than a second counts a second", 2, 0, 400, 10, 120, 120, 100, 0},
        {"no key at all", 0, 0, 60'000, 10, 0, 0, 0, 60},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const ExamRules::Figures f = ExamRules::figures(c.keystrokes, c.errors, c.msecs, c.penalty);
        EXPECT_EQ(f.grossPerMinute, c.gross);
        EXPECT_EQ(f.netPerMinute, c.net);
        EXPECT_EQ(f.accuracy, c.accuracy);
        EXPECT_EQ(f.secondsUsed, c.seconds);
    }
}

TEST(ExamRules, CountdownRoundsUpAndDurationsAreTheFourOnOffer)
{
    EXPECT_EQ(ExamRules::countdown(300'000), QStringLiteral("5:00"));
    EXPECT_EQ(ExamRules::countdown(299'001), QStringLiteral("5:00"));
    EXPECT_EQ(ExamRules::countdown(299'000), QStringLiteral("4:59"));
    EXPECT_EQ(ExamRules::countdown(1), QStringLiteral("0:01"));
    EXPECT_EQ(ExamRules::countdown(-5), QStringLiteral("0:00"));
    for (int minutes = -1; minutes <= 11; ++minutes) {
        EXPECT_EQ(ExamRules::isDuration(minutes), minutes == 1 || minutes == 3 || minutes == 5 || minutes == 10)
            << minutes;
    }
}

class ExamModelTest : public ::testing::Test
{
protected:
    ExamModelTest()
    {
        drill.setText(QStringLiteral("ab\r\ncd"), QStringLiteral("Castellano\\Examenes\\1 Prueba"));
    }
    void type(const QString &keys)
    {
        for (const QChar key : keys) {
            drill.judge(key == QLatin1Char('\n') ? DrillModel::Enter : key);
        }
    }

    qint64 clock = 1'000'000;
    DrillModel drill;
    ExamModel exam {drill, [this] {
                        return clock;
                    }};
};

TEST_F(ExamModelTest, TheClockStartsAtTheFirstKeyAndKeysAfterTheEndCountForNothing)
{
    QSignalSpy finished(&exam, &ExamModel::finished);
    ASSERT_TRUE(exam.begin(1, 10));
    EXPECT_TRUE(drill.isTimed());
    EXPECT_FALSE(drill.clock().isActive());
    type(QStringLiteral("ax"));
    EXPECT_EQ(exam.state(), ExamModel::State::Running);
    EXPECT_TRUE(exam.countdownTimer().isActive());
    clock += 59'000;
    exam.onTick();
    EXPECT_EQ(exam.msecsLeft(), 1'000);
    // Time is up before the countdown looked again: this key is not counted, and ends the test.
    clock += 1'000;
    type(QStringLiteral("b"));
    EXPECT_EQ(exam.state(), ExamModel::State::Over);
    type(QStringLiteral("\ncd"));
    EXPECT_FALSE(drill.isRunning());
    const ExamRules::Figures f = exam.figures();
    EXPECT_EQ(f.keystrokes, 2);
    EXPECT_EQ(f.errors, 1);
    EXPECT_EQ(f.secondsUsed, 60);
    EXPECT_EQ(exam.reached(), 2);
    EXPECT_EQ(finished.count(), 0) << "the end is announced once the key is handled";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(ExamModelTest, TheTestEndsWithTheTextAndTheDrillDoesNotAnnounceItsOwnEnd)
{
    QSignalSpy finished(&exam, &ExamModel::finished);
    QSignalSpy drillFinished(&drill, &DrillModel::finished);
    ASSERT_TRUE(exam.begin(3, 10));
    type(QStringLiteral("a"));
    clock += 12'000;
    type(QStringLiteral("b\ncd"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(drillFinished.count(), 0);
    EXPECT_EQ(exam.figures().secondsUsed, 12);
    EXPECT_EQ(exam.reached(), 7);
}

TEST_F(ExamModelTest, RefusesOtherDurationsAndIsAbandonedByAnotherDrillOrText)
{
    EXPECT_FALSE(exam.begin(2, 10));
    EXPECT_EQ(exam.state(), ExamModel::State::Idle);
    QSignalSpy abandoned(&exam, &ExamModel::abandoned);
    ASSERT_TRUE(exam.begin(5, 10));
    drill.start();
    EXPECT_EQ(exam.state(), ExamModel::State::Idle);
    EXPECT_FALSE(drill.isTimed());
    ASSERT_TRUE(exam.begin(5, 10));
    type(QStringLiteral("a"));
    drill.setText(QStringLiteral("otro"), QStringLiteral("otro"));
    exam.onTick();
    EXPECT_EQ(exam.state(), ExamModel::State::Idle);
    EXPECT_EQ(abandoned.count(), 2);
    drill.setText(QString(), QString());
    EXPECT_FALSE(exam.begin(1, 10));
}
