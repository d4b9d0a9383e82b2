#pragma once

#include "DrillRecord.h"

// The characters a learner gets wrong most often.
namespace WeakKeys
{

constexpr int Count = 5;
// Fewer keystrokes say too little about a character to call it weak.
constexpr qint64 MinimumTyped = 20;

// The Count characters with the highest error rate among those typed at least MinimumTyped
// times, weakest first (more wrong keystrokes first on a tie, then character order). The space
// and the line break are left out: every line of an exercise has them anyway. Fewer than Count
// when there is too little data.
QList<QChar> choose(const QList<KeyCount> &totals);

// The totals of the characters that occur in words: a learner whose weakest keys are ñ and á
// practising the English course is drilled on the weakest keys that course has words for.
QList<KeyCount> foundIn(const QList<KeyCount> &totals, const QStringList &words);

} // namespace WeakKeys
