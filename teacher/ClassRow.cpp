#include "ClassRow.h"

#include "ProgressFigures.h"
#include "WeakKeys.h"

#include <algorithm>

ClassRow ClassRow::of(const ClassRoster::Learner &learner, const LearnerStatistics &statistics)
{
    ClassRow row;
    row.learner = learner.name;
    row.wrongClaves = learner.wrongClaves;
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
    // The weak-key practice drills five keys whatever happens; a teacher is shown only those
    // that were ever missed.
    const QList<KeyCount> totals = statistics.keyTotals();
    QStringList weakest;
    for (QChar key : WeakKeys::choose(totals)) {
        const bool missed = std::any_of(totals.cbegin(), totals.cend(), [key](const KeyCount &count) {
            return count.character == key && count.wrong > 0;
        });
        if (missed) {
            weakest.append(key);
        }
    }
    row.weakestKeys = weakest.join(QLatin1Char(' '));
    return row;
}
