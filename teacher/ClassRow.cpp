#include "ClassRow.h"

#include "ProgressFigures.h"
#include "WeakKeys.h"

ClassRow ClassRow::of(const QString &learner, const LearnerStatistics &statistics)
{
    ClassRow row;
    row.learner = learner;
    const QList<DrillRecord> drills = statistics.drills();
    const ProgressFigures::Overall overall = ProgressFigures::overall(drills);
    row.drills = overall.drills;
    row.bestSpeed = overall.bestSpeed;
    row.averageSpeed = overall.averageSpeed;
    row.averageAccuracy = overall.averageAccuracy;
    if (!drills.isEmpty()) {
        row.lastPractice = drills.constLast().finished.left(16).replace(QLatin1Char('T'), QLatin1Char(' '));
        row.lastLesson = ProgressFigures::lessonOf(drills.constLast().exercise);
    }
    QStringList weakest;
    for (QChar key : WeakKeys::choose(statistics.keyTotals())) {
        weakest.append(key);
    }
    row.weakestKeys = weakest.join(QLatin1Char(' '));
    return row;
}
