#pragma once

#include <QImage>
#include <QPainter>

// The pictures that stand for the program as a whole: the start-up window's cover and the
// application icon.
namespace CoverPainter
{

// 636 x 334: the title over a keyboard with both hands on the home row.
QImage cover();

// The side of the square the application icon is drawn in.
constexpr int AppIconSize = 256;

// The application icon on whatever the painter paints on, in a square of AppIconSize: a key
// bearing the Ñ. Drawn from paths alone, so it scales and turns into SVG without a font.
void paintAppIcon(QPainter &painter);

// The application icon at AppIconSize with a transparent ground.
QImage appIcon();

} // namespace CoverPainter
