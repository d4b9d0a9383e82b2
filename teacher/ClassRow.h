#pragma once

#include "ClassRoster.h"

#include <QString>

// One learner's line in the teacher's table, worked out from their statistics by the rules the
// learner's own progress window and weak-key practice use.
struct ClassRow {
    QString learner;
    // "2026-12-06 09:15", empty before the first drill.
    QString lastPractice;
    qint64 drills = 0;
    qint64 bestSpeed = 0;
    qint64 averageSpeed = 0;
    qint64 averageAccuracy = 0;
    // The lesson of the last finished drill, "language\lesson".
    QString lastLesson;
    // Of the five weakest keys, weakest first, those ever missed, separated by blanks.
    QString weakestKeys;
    // Wrong claves typed for the name since its last right one.
    int wrongClaves = 0;

    static ClassRow of(const ClassRoster::Learner &learner, const LearnerStatistics &statistics);
};
