#pragma once

#include <QString>

// The keysym names of the keyboard layout files, turned into what this program deals in: the
// characters of Windows-1252 a key types, and the accents a dead key puts on the next letter.
namespace Keysyms
{

// The character a keysym types ("ntilde" ñ, "EuroSign" €, "U00E1" á, "a" a); 0 for a keysym that
// types none this program knows (modifiers, arrows, characters beyond Windows-1252's).
char16_t character(const QString &name);
// The combining accent of a dead key ("dead_acute" U+0301); 0 for a keysym that is no dead key.
char16_t deadAccent(const QString &name);
// The accent standing alone that a dead key types before a space ("dead_acute" ´); 0 for none.
char16_t spacingAccent(char16_t combiningAccent);

} // namespace Keysyms
