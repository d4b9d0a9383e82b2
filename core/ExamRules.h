#pragma once

#include <QList>
#include <QString>

// The pure rules of a timed test: the durations on offer, the figures of a result, the countdown
// and the result line.
namespace ExamRules
{

// The lengths of test a learner may choose, in minutes.
const QList<int> &durations();
bool isDuration(int minutes);

// What a finished test says about the learner's typing.
struct Figures {
    qint64 keystrokes = 0; // every key judged, right or wrong
    qint64 errors = 0;
    qint64 grossPerMinute = 0;
    // (keystrokes - penalty x errors) a minute, never below 0.
    qint64 netPerMinute = 0;
    // Right keystrokes per hundred keystrokes.
    qint64 accuracy = 0;
    int secondsUsed = 0;
};

// The figures of a test of keystrokes, errors among them, over msecsUsed; a test shorter than a
// second counts as a second, as a drill does.
Figures figures(qint64 keystrokes, qint64 errors, qint64 msecsUsed, int penalty);

// "4:59": the time left, whole seconds rounded up, so that 0:00 is shown only once time is up.
QString countdown(qint64 msecsLeft);

// The line a test leaves in the history: "Examen 5 min: 245(p/m) - 3(Err.) - 239(p/m) netas -
// Precisión 98 % - 300 s. - Castellano\Examenes\1 El puerto".
QString resultLine(int minutes, const Figures &figures, const QString &accuracyWord, const QString &title);

} // namespace ExamRules
