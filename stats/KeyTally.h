#pragma once

#include "DrillRecord.h"

#include <QHash>

#include <array>

// The keystrokes of the drill under way, counted as they are judged. Cheap enough for the key
// path: an array for the characters of the course and a small hash for the wrong ones.
class KeyTally
{
public:
    void right(QChar expected);
    void wrong(QChar expected, QChar typed);
    void clear();

    // Every character that was expected at least once, in character order.
    QList<KeyCount> keys() const;
    QList<Mistake> mistakes() const;

private:
    struct Counts {
        qint64 right = 0;
        qint64 wrong = 0;
    };
    Counts &countsOf(QChar expected);

    // The Windows-1252 range holds every character of the course; others go to the hash.
    std::array<Counts, 256> latin {};
    QHash<char16_t, Counts> others;
    QHash<quint32, qint64> wrongTyped; // expected << 16 | typed
};
