#pragma once

#include <QChar>
#include <QString>

// What a screen reader says while the learner types: the next character and the finger that
// types it, in words a speech synthesiser reads the same way at every punctuation level.
namespace SpokenKeys
{

// No finger is known: the character has no key on the drawn keyboard.
constexpr int NoFinger = -2;

// The character as it is said: "espacio", "Intro" (for a line break, '\r'), "coma", "A mayúscula",
// "ñ".
QString character(QChar character);
// Finger numbers 0 to 9 run from the right little finger to the left thumb, -1 is either thumb;
// both thumbs are "pulgar". Any other number gives an empty text.
QString finger(int finger);
// After a key: the next character and its finger, with "fallo" first when the key was wrong.
QString afterKey(bool wrong, QChar next, int fingerNumber);

} // namespace SpokenKeys
