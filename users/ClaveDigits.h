#pragma once

#include <QString>

// The four code buttons of a clave. Each click steps one button's digit: the first button runs
// 1 to 9 and back to 1 (a clave never starts with 0), the others 1 to 9, then 0, then 1 again.
namespace ClaveDigits
{

constexpr int ButtonCount = 4;
// What the buttons show before any click.
constexpr char16_t DesignCaptions[ButtonCount] = {u'1', u'0', u'0', u'0'};

// The caption of button index after a click, given the click counter of that button, which
// moves on. The counters start at 0 while the captions start at "1000", so the first click on
// the first button leaves its "1".
QString step(int index, int &counter);

} // namespace ClaveDigits
