#pragma once

#include "DrillRecord.h"

// What the progress window shows, worked out from the recorded drills and totals.
namespace ProgressFigures
{

struct Overall {
    qint64 drills = 0;
    qint64 bestSpeed = 0;
    qint64 averageSpeed = 0;
    qint64 averageAccuracy = 0;
};

struct Lesson {
    QString name; // language\lesson
    Overall figures;
};

struct WeakKey {
    KeyCount key;
    // The character most often typed instead, and the kind of that error; null when unknown.
    QChar commonestInstead;
    int kind = 0;
};

Overall overall(const QList<DrillRecord> &drills);

// The lesson an exercise belongs to: its name without its number.
QString lessonOf(const QString &exercise);

// The lessons in the order they were first practised. A lesson is the exercise's name without
// its number ("Castellano\01 Fila central\4" belongs to "Castellano\01 Fila central").
QList<Lesson> lessons(const QList<DrillRecord> &drills);

// The keys with the most wrong keystrokes (at most limit, none without any), most first.
QList<WeakKey> keysWithMostErrors(const QList<KeyCount> &totals, const QList<Mistake> &mistakes, int limit);

} // namespace ProgressFigures
