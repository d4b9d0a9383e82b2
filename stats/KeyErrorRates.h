#pragma once

#include "DrillRecord.h"
#include "KeyboardLayout.h"

#include <QColor>

#include <array>

// The error rate of every key of the drawn Spanish keyboard, from the characters typed with it.
namespace KeyErrorRates
{

struct KeyRate {
    qint64 typed = 0;
    qint64 wrong = 0;

    double rate() const
    {
        return typed > 0 ? static_cast<double>(wrong) / static_cast<double>(typed) : 0.0;
    }
};

using Rates = std::array<KeyRate, KeyboardLayout::KeyCount>;

// The keys of the drawn Spain keyboard a character is typed with: its own key, the dead key of an
// accented letter that has no key of its own, then Shift and AltGr where either is needed. Empty
// for a character no key types.
QList<int> keysFor(QChar character);

// Every keystroke of a character counts for each of its keys.
Rates perKey(const QList<KeyCount> &totals);

// Where the colour scale reaches its reddest.
constexpr double ScaleTop = 0.25;

// Green for a key without errors through yellow to red at ScaleTop and above.
QColor tint(double rate);
// The face of a key nobody typed yet.
QColor noDataColour();

} // namespace KeyErrorRates
