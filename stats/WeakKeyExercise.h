#pragma once

#include <QList>
#include <QStringList>

// An exercise of real words that drills the learner's weakest characters.
namespace WeakKeyExercise
{

constexpr int LineCount = 6;
constexpr int LineLength = 60;

// Up to LineCount lines of at most LineLength characters, joined by CR LF with no break at the
// end. The words take turns among the weak characters, weakest first, so that each of them is
// drilled; among the words of one character, those holding more weak characters come first.
// round (0, 1, 2 ...) starts each character's words further on, so that a second practice in a
// row is not the same text. Empty when no word holds a weak character.
QString build(const QStringList &words, const QList<QChar> &weakest, int round = 0);

} // namespace WeakKeyExercise
