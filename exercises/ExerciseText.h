#pragma once

#include <QByteArray>
#include <QString>

namespace ExerciseText
{

// Exercise files larger than this are not loaded: nobody types a megabyte in one drill, and the
// pane must stay responsive.
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

// The text of an exercise file. Every line break becomes CR LF (a lone CR or LF could not be
// typed with Enter), a tab becomes a blank and other control characters are dropped, so that
// every character of a drill can be typed.
QString fromFile(const QByteArray &bytes);

} // namespace ExerciseText
