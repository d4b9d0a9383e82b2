#pragma once

#include <QList>
#include <QString>

// How often one expected character was typed right and wrong.
struct KeyCount {
    QChar character;
    qint64 right = 0;
    qint64 wrong = 0;

    qint64 typed() const
    {
        return right + wrong;
    }
    // Wrong keystrokes per keystroke at this character, 0 when it was never typed.
    double errorRate() const
    {
        return typed() > 0 ? static_cast<double>(wrong) / static_cast<double>(typed()) : 0.0;
    }
};

// A wrong character typed where another was expected, and the kind of error the hint names
// (0 case, 1 acute, 2 grave, 3 space, 4 diaeresis, 5 sign, 6 other).
struct Mistake {
    QChar expected;
    QChar typed;
    int kind = 0;
    qint64 times = 0;
};

// One finished drill as the statistics keep it.
struct DrillRecord {
    // Local date and time as the database keeps it, "2026-12-06T09:15:00": turning ten thousand
    // of them into QDateTime would take most of the time the progress window has to open.
    QString finished;
    QString exercise; // language\lesson\number, as the result line names it
    int seconds = 0;
    qint64 speed = 0; // keystrokes per minute
    qint64 right = 0;
    qint64 wrong = 0;
    qint64 accuracy = 0; // percent
    QList<KeyCount> keys;
    QList<Mistake> mistakes;
};
