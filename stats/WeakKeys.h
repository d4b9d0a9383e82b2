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

} // namespace WeakKeys
