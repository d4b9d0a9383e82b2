#pragma once

#include "KeyboardMap.h"

#include <QString>

#include <optional>

// The names the system gives a keyboard layout, read as one of the two Spanish keyboards.
namespace LayoutNames
{

// The layout file of an XKB group in the keymap's symbols name ("pc+es+latam:2+inet(evdev)" has
// "es" as group 0 and "latam" as group 1); empty when the keymap has no such group.
QString layoutOfGroup(const QString &symbolsName, int group);
// "es" and its variants are Spain's keyboard, "latam" Latin America's; others are neither.
std::optional<KeyboardMap::Layout> fromXkbLayout(const QString &layout);
// From a locale's name ("es_MX.UTF-8"): Spain's keyboard for Spain, Latin America's for the
// other Spanish-speaking countries of the Americas; none for the rest.
std::optional<KeyboardMap::Layout> fromLocale(const QString &localeName);

} // namespace LayoutNames
