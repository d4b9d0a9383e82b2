#pragma once

#include <QChar>
#include <QString>

// The pure rules of the drill: which hint a wrong key earns and the figures shown to the learner.
namespace DrillRules
{

// The hint (0 to 6, as in the language file) after typed was pressed where expected was due.
int hintFor(QChar expected, QChar typed);

// A letter typed in the other case than expected, with Shift saying the opposite: a capital
// without Shift, or a small letter with it, can only come from Caps Lock being on.
bool capsLockOn(QChar expected, QChar typed, bool shiftHeld);

// Keystrokes per minute: only right keys count; elapsed seconds below one count as one, so a
// drill finished before the first tick shows the figure that tick would have shown.
qint64 keystrokesPerMinute(qint64 rightKeys, int elapsedSeconds);
// Each wrong key cancels one right key, relative to the right keys; may be negative. Without a
// right key there is no figure, and 0 is returned.
qint64 accuracyPercent(qint64 rightKeys, qint64 wrongKeys);

} // namespace DrillRules
