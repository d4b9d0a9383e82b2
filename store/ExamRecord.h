#pragma once

#include "DrillRecord.h"

#include <QString>

// One finished timed test as the statistics keep it, apart from the drills.
struct ExamRecord {
    // Local date and time, "2026-12-06T09:15:00", as the drills keep theirs.
    QString finished;
    QString text; // the title of the text typed
    int minutes = 0; // the test's length as chosen
    int seconds = 0; // the seconds used: fewer when the text was done before time
    int penalty = 0; // keystrokes one error cost in the net speed
    qint64 keystrokes = 0;
    qint64 errors = 0;
    qint64 gross = 0; // keystrokes per minute
    qint64 net = 0; // keystrokes per minute, less the penalty for the errors
    qint64 accuracy = 0; // percent
    // Added to the totals of every drill; not kept per test.
    QList<KeyCount> keys;
    QList<Mistake> mistakes;
};
