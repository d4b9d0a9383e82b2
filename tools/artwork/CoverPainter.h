#pragma once

#include <QImage>

// The pictures that stand for the program as a whole: the start-up window's cover and the
// application icon.
namespace CoverPainter
{

// 636 x 334: the title over a keyboard with both hands on the home row.
QImage cover();

// 256 x 256 with a transparent ground: a key bearing the Ñ.
QImage appIcon();

} // namespace CoverPainter
