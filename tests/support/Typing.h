#pragma once

#include <QString>

class QWidget;

namespace Typing
{

// Types text into widget key by key, as a keyboard would: "\n" is the Enter key.
void type(QWidget *widget, const QString &text);
// One key without a character (Backspace, Delete, arrows, Shift ...).
void press(QWidget *widget, int qtKey);
// A character composed by the input method (a dead key, then a vowel).
void compose(QWidget *widget, const QString &text);

} // namespace Typing
