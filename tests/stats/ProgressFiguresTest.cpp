#include "ProgressFigures.h"
#include "ChartLine.h"

#include <gtest/gtest.h>

namespace
{

DrillRecord drill(const QString &exercise, qint64 speed, qint64 accuracy)
{
    DrillRecord record;
    record.exercise = exercise;
    record.speed = speed;
    record.accuracy = accuracy;
    return record;
}

} // namespace

TEST(ProgressFigures, GroupTheDrillsByLessonAndListTheKeysWithMostErrors)
{
    const QList<DrillRecord> drills = {drill(QStringLiteral("Castellano\\02 Letras\\3"), 100, 90),
        drill(QStringLiteral("Castellano\\01 Fila\\1"), 80, 100),
        drill(QStringLiteral("Castellano\\02 Letras\\4"), 151, 81), drill(QStringLiteral("sin lección"), 10, -20)};
    const ProgressFigures::Overall all = ProgressFigures::overall(drills);
    EXPECT_EQ(all.drills, 4);
    EXPECT_EQ(all.bestSpeed, 151);
    EXPECT_EQ(all.averageSpeed, 85);
    EXPECT_EQ(all.averageAccuracy, 62);
    const QList<ProgressFigures::Lesson> lessons = ProgressFigures::lessons(drills);
    ASSERT_EQ(lessons.size(), 3);
    EXPECT_EQ(lessons[0].name, QStringLiteral("Castellano\\02 Letras"));
    EXPECT_EQ(lessons[0].figures.drills, 2);
    EXPECT_EQ(lessons[0].figures.averageSpeed, 125);
    EXPECT_EQ(lessons[2].name, QStringLiteral("sin lección"));
    EXPECT_EQ(ProgressFigures::overall({}).averageSpeed, 0);

    // The keys with most errors, and what was typed instead most often.
    const QList<KeyCount> totals = {{u'a', 50, 2}, {u'ñ', 10, 7}, {u's', 60, 0}, {u'd', 30, 7}};
    const QList<Mistake> mistakes
        = {{u'ñ', u'n', 6, 5}, {u'ñ', u'Ñ', 0, 2}, {u'a', u'á', 6, 2}, {u'd', u's', 6, 3}, {u'd', u'f', 6, 4}};
    const QList<ProgressFigures::WeakKey> keys = ProgressFigures::keysWithMostErrors(totals, mistakes, 2);
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(keys[0].key.character, QChar(u'd'));
    EXPECT_EQ(keys[0].commonestInstead, QChar(u'f'));
    EXPECT_EQ(keys[1].key.character, QChar(u'ñ'));
    EXPECT_EQ(keys[1].commonestInstead, QChar(u'n'));
    // Keys never mistyped are not listed, however many are asked for.
    EXPECT_EQ(ProgressFigures::keysWithMostErrors(totals, mistakes, 10).size(), 3);
}

TEST(ChartLine, KeepsEveryValueUpToOnePerPixelAndEachColumnsPeaksBeyond)
{
    const auto identity = [](qint64 value) {
        return double(value);
    };
    EXPECT_TRUE(ChartLine::points({}, 0, 100, identity).isEmpty());
    EXPECT_EQ(ChartLine::points({7}, 0, 100, identity), QPolygonF({QPointF(50, 7)}));
    EXPECT_EQ(
        ChartLine::points({1, 2, 3}, 10, 100, identity), QPolygonF({QPointF(10, 1), QPointF(60, 2), QPointF(110, 3)}));

    QList<qint64> many(1000, 50);
    many[123] = 999;
    many[900] = -5;
    const QPolygonF line = ChartLine::points(many, 0, 10, identity);
    EXPECT_EQ(line.size(), 20);
    double highest = 0;
    double lowest = 0;
    for (const QPointF &point : line) {
        highest = std::max(highest, point.y());
        lowest = std::min(lowest, point.y());
        EXPECT_LT(point.x(), 10);
    }
    EXPECT_EQ(highest, 999);
    EXPECT_EQ(lowest, -5);
}
