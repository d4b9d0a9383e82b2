#pragma once

#include <QColor>

// The colours of typed characters, in the exercise pane and in the history alike.
namespace DrillColours
{

inline const QColor Right(0, 0, 255);
// Right, after a wrong key at the same place.
inline const QColor RightAfterError(255, 0, 255);
inline const QColor Wrong(255, 0, 0);
// Text not typed yet, and the result lines.
inline const QColor Untyped(0, 0, 0);

} // namespace DrillColours
