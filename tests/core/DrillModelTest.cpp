#include "DrillModel.h"
#include "ResultLine.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace
{

using Verdict = DrillModel::Verdict;

// Keys as judge() takes them: '\n' stands for Enter, '#' for a key that types no character.
QChar keyOf(QChar written)
{
    if (written == QLatin1Char('\n')) {
        return DrillModel::Enter;
    }
    return written == QLatin1Char('#') ? QChar() : written;
}

char letterOf(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Right:
        return 'R';
    case Verdict::Wrong:
        return 'W';
    case Verdict::LineBreakExpected:
        return 'L';
    case Verdict::Ignored:
        return 'I';
    }
    return '?';
}

struct KeysCase {
    const char *name;
    QString text;
    QString keys;
    // One letter a key: Right, Wrong, LineBreakExpected, Ignored.
    const char *verdicts;
    qint64 right;
    qint64 wrong;
    int position;
    bool running;
};

} // namespace

TEST(DrillModel, JudgesEveryKeyAgainstTheTextAndCountsOnlyRightAndWrongKeys)
{
    const KeysCase cases[] = {
        {"right keys move on", QStringLiteral("abc"), QStringLiteral("ab"), "RR", 2, 0, 3, true},
        {"case and accents count", QStringLiteral("Aá"), QStringLiteral("aAa"), "WRW", 1, 2, 2, true},
        {"a wrong key holds the place", QStringLiteral("ab"), QStringLiteral("xxa"), "WWR", 1, 2, 2, true},
        {"a line break wants Enter and nothing else", QStringLiteral("a\r\nb"), QStringLiteral("ax#\n"), "RLLR", 2, 0,
            4, true},
        {"two line breaks take two Enters", QStringLiteral("a\r\n\r\nb"), QStringLiteral("a\n\n"), "RRR", 3, 0, 6,
            true},
        {"Enter where no line break is due", QStringLiteral("ab"), QStringLiteral("\n#"), "II", 0, 0, 1, true},
        {"the last key ends the drill", QStringLiteral("ab"), QStringLiteral("abx"), "RRI", 2, 0, 1, false},
        {"a text ending in a line break ends with its Enter", QStringLiteral("a\r\n"), QStringLiteral("a\nb"), "RRI", 2,
            0, 1, false},
    };
    for (const KeysCase &c : cases) {
        DrillModel drill;
        drill.setText(c.text, QStringLiteral("t"));
        ASSERT_TRUE(drill.start()) << c.name;
        std::string verdicts;
        for (const QChar key : c.keys) {
            verdicts += letterOf(drill.judge(keyOf(key)).verdict);
        }
        EXPECT_EQ(verdicts, c.verdicts) << c.name;
        EXPECT_EQ(drill.rightCount(), c.right) << c.name;
        EXPECT_EQ(drill.wrongCount(), c.wrong) << c.name;
        EXPECT_EQ(drill.position(), c.position) << c.name;
        EXPECT_EQ(drill.isRunning(), c.running) << c.name;
    }
}

TEST(DrillModel, ARightKeyAfterAWrongOneSaysSoOnceAndTellsWhatWasExpected)
{
    DrillModel drill;
    drill.setText(QStringLiteral("ab"), QString());
    drill.start();
    const DrillModel::Judgement wrong = drill.judge(QLatin1Char('x'));
    EXPECT_EQ(wrong.expected, QLatin1Char('a'));
    EXPECT_EQ(wrong.position, 1);
    EXPECT_FALSE(wrong.afterError);
    EXPECT_TRUE(drill.judge(QLatin1Char('a')).afterError);
    EXPECT_FALSE(drill.judge(QLatin1Char('b')).afterError);
    EXPECT_EQ(drill.lastTyped(), QLatin1Char('b'));
}

TEST(DrillModel, TheEndComesAfterTheLastKeyWasHandledAndStopsTheClock)
{
    DrillModel drill;
    drill.setText(QStringLiteral("a"), QString());
    QSignalSpy finished(&drill, &DrillModel::finished);
    int finishedDuringKey = -1;
    QObject::connect(&drill, &DrillModel::keyJudged, &drill, [&] {
        finishedDuringKey = int(finished.size());
    });
    drill.start();
    EXPECT_TRUE(drill.clock().isActive());
    drill.judge(QLatin1Char('a'));
    EXPECT_EQ(finishedDuringKey, 0);
    EXPECT_FALSE(drill.clock().isActive());
    EXPECT_EQ(finished.size(), 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(finished.size(), 1);
    // The guide goes back to the first character.
    EXPECT_EQ(drill.expected(), QLatin1Char('a'));
}

TEST(DrillModel, NothingIsJudgedWithoutADrillAndANewTextEndsTheOneUnderWay)
{
    DrillModel drill;
    EXPECT_FALSE(drill.start());
    EXPECT_EQ(drill.judge(QLatin1Char('a')).verdict, Verdict::Ignored);
    drill.setText(QStringLiteral("ab"), QString());
    EXPECT_EQ(drill.judge(QLatin1Char('a')).verdict, Verdict::Ignored);
    drill.start();
    drill.judge(QLatin1Char('x'));
    drill.setText(QStringLiteral("cd"), QString());
    EXPECT_FALSE(drill.isRunning());
    EXPECT_FALSE(drill.clock().isActive());
    drill.start();
    EXPECT_EQ(drill.wrongCount(), 0);
    EXPECT_EQ(drill.expected(), QLatin1Char('c'));
}

TEST(DrillModel, FiguresFollowTheSecondsAndTheResultLineCarriesThem)
{
    DrillModel drill;
    drill.setText(QStringLiteral("abcd"), QStringLiteral("Castellano\\01 Uno\\4"));
    drill.start();
    EXPECT_EQ(drill.speed(), 0);
    EXPECT_FALSE(drill.hasAccuracy());
    for (const QChar key : QStringLiteral("axxbc")) {
        drill.judge(key);
    }
    drill.tick();
    drill.tick();
    EXPECT_EQ(drill.elapsedSeconds(), 2);
    EXPECT_EQ(drill.speed(), 90);
    EXPECT_EQ(drill.accuracy(), 33);
    EXPECT_EQ(ResultLine::compose({drill.speed(), drill.elapsedSeconds(), drill.wrongCount(), drill.rightCount(),
                  drill.title(), QStringLiteral("Precisión"), drill.accuracy()}),
        QStringLiteral(" ** 90(p/m) - 2 s. - 2(Err.) - 3(c.) ** - Castellano\\01 Uno\\4 - Precisión 33 %"));
}
