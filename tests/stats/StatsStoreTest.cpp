#include "StatsStore.h"
#include "AppFolder.h"
#include "LearnerStatsFile.h"
#include "RawConnection.h"

#include <gtest/gtest.h>

TEST(StatsStore, ADatabaseOfThePreviousVersionIsMigratedWithItsDrills)
{
    AppFolder folder;
    const QString path = folder.path() + QStringLiteral("/old.sqlite");
    {
        // Version 1 as it was written: drills and per-drill character counts only.
        RawConnection old(path);
        ASSERT_TRUE(old.exec(QStringLiteral("CREATE TABLE drills (id INTEGER PRIMARY KEY, finished TEXT NOT NULL,"
                                            " exercise TEXT NOT NULL, seconds INTEGER NOT NULL, speed INTEGER NOT NULL,"
                                            " right_keys INTEGER NOT NULL, wrong_keys INTEGER NOT NULL,"
                                            " accuracy INTEGER NOT NULL)")));
        ASSERT_TRUE(
            old.exec(QStringLiteral("CREATE TABLE drill_keys (drill INTEGER NOT NULL, character INTEGER NOT NULL,"
                                    " right_count INTEGER NOT NULL, wrong_count INTEGER NOT NULL,"
                                    " PRIMARY KEY (drill, character))")));
        ASSERT_TRUE(old.exec(QStringLiteral("INSERT INTO drills VALUES (1, '2026-11-30T18:00:00', 'Castellano\\A\\1',"
                                            " 60, 90, 90, 3, 96)")));
        ASSERT_TRUE(old.exec(QStringLiteral("INSERT INTO drill_keys VALUES (1, 115, 20, 3), (1, 100, 7, 0)")));
        ASSERT_TRUE(old.exec(QStringLiteral("PRAGMA user_version = 1")));
    }
    StatsStore store(path);
    ASSERT_EQ(store.state(), StatsSchema::Outcome::Ready);
    ASSERT_EQ(store.drills().size(), 1);
    EXPECT_EQ(store.drills()[0].speed, 90);
    const QList<KeyCount> keys = store.keyTotals();
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(keys[1].character, QChar(u's'));
    EXPECT_EQ(keys[1].wrong, 3);
    EXPECT_TRUE(store.mistakeTotals().isEmpty());
    // A drill without a name or a date is still kept.
    DrillRecord later;
    later.keys = {{u's', 10, 1}};
    later.mistakes = {{u's', u'S', 0, 1}};
    EXPECT_TRUE(store.record(later));
    EXPECT_EQ(store.keyTotals()[1].wrong, 4);
    EXPECT_EQ(store.drills().size(), 2);
    RawConnection check(path);
    EXPECT_EQ(check.value(QStringLiteral("PRAGMA user_version")).toInt(), StatsSchema::CurrentVersion);
}

TEST(StatsStore, AVersion2DatabaseGainsTheTestsKeepsItsDrillsAndRecordsTestsApart)
{
    AppFolder folder;
    const QString path = folder.path() + QStringLiteral("/v2.sqlite");
    {
        StatsStore earlier(path);
        DrillRecord drill;
        drill.exercise = QStringLiteral("Castellano\\A\\1");
        drill.speed = 120;
        drill.keys = {{u'a', 5, 1}};
        ASSERT_TRUE(earlier.record(drill));
    }
    {
        // Back to version 2 as it was written: without the tests' table.
        RawConnection old(path);
        ASSERT_TRUE(old.exec(QStringLiteral("DROP TABLE exams")));
        ASSERT_TRUE(old.exec(QStringLiteral("PRAGMA user_version = 2")));
    }
    StatsStore store(path);
    ASSERT_EQ(store.state(), StatsSchema::Outcome::Ready);
    ASSERT_EQ(store.drills().size(), 1);
    EXPECT_EQ(store.drills()[0].speed, 120);
    EXPECT_EQ(store.keyTotals().size(), 1);
    EXPECT_TRUE(store.exams().isEmpty());
    ExamRecord exam {QStringLiteral("2026-12-06T10:31:20"), QStringLiteral("Castellano\\Examenes\\1 La feria"), 5, 300,
        10, 1000, 4, 200, 192, 99, {{u'a', 3, 1}}, {{u'a', u's', 6, 1}}};
    ASSERT_TRUE(store.recordExam(exam));
    ASSERT_EQ(store.exams().size(), 1);
    const ExamRecord back = store.exams()[0];
    EXPECT_EQ((QList<qint64> {back.minutes, back.seconds, back.penalty, back.keystrokes, back.errors, back.gross,
                  back.net, back.accuracy}),
        (QList<qint64> {5, 300, 10, 1000, 4, 200, 192, 99}));
    EXPECT_EQ(back.text, exam.text);
    EXPECT_EQ(store.drills().size(), 1) << "a test is not a drill";
    // Its keys go into the totals of the drills'.
    ASSERT_EQ(store.keyTotals().size(), 1);
    EXPECT_EQ(store.keyTotals()[0].right, 8);
    EXPECT_EQ(store.keyTotals()[0].wrong, 2);
    EXPECT_EQ(store.mistakeTotals().size(), 1);
    RawConnection check(path);
    EXPECT_EQ(check.value(QStringLiteral("PRAGMA user_version")).toInt(), 3);
}

// A corrupt or locked database is driven through the typing window in the scenario tests.
TEST(StatsStore, ANewerDatabaseIsLeftAloneAndRecordsNothing)
{
    AppFolder folder;
    const QString newer = folder.path() + QStringLiteral("/newer.sqlite");
    {
        RawConnection later(newer);
        later.exec(QStringLiteral("CREATE TABLE drills (whatever TEXT)"));
        later.exec(QStringLiteral("PRAGMA user_version = 7"));
    }
    // That its file is left byte for byte as it was is the statistics file's fuzz corpus's check.
    StatsStore store(newer);
    EXPECT_EQ(store.state(), StatsSchema::Outcome::Newer);
    EXPECT_FALSE(store.record(DrillRecord()));
    EXPECT_TRUE(store.drills().isEmpty());
}

// Named after the learner's history file, as the progress scenario signs in with other capitals.
TEST(LearnerStatsFile, WithoutAHistoryAStatisticsFileInAnotherCaseIsFoundAndUnsafeNamesAreRefused)
{
    AppFolder folder;
    folder.write(QStringLiteral("Estadisticas/Luis.sqlite"), QString());
    EXPECT_EQ(LearnerStatsFile::path(folder.path(), QStringLiteral("luis")),
        folder.path() + QStringLiteral("/Estadisticas/Luis.sqlite"));
    for (const char *unsafe : {"", "..", "../Ana", "a/b", "con:x"}) {
        EXPECT_TRUE(LearnerStatsFile::path(folder.path(), QString::fromLatin1(unsafe)).isEmpty()) << unsafe;
    }
}
