#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The window's geometry is designed in twips (1440 to the inch); the screen works in pixels.
// Every conversion between the two goes through here, so that one rounding rule holds for the
// whole window and the design keeps its proportions at any logical DPI.
namespace Twips
{

constexpr double PerInch = 1440.0;
constexpr double PerPoint = 20.0;

// pixels = twips x dpi / 1440, rounded to the nearest pixel.
int toPixels(double twips, double dpi);
QPoint toPixels(const QPointF &twips, double dpi);
QSize toPixels(const QSizeF &twips, double dpi);
// Position and size are rounded separately, so that controls of equal design size (the keys)
// stay equal on screen whatever their position.
QRect toPixels(const QRectF &twips, double dpi);

// The screen size as the layout reads it: in twips, not rounded.
QSizeF fromPixels(const QSize &pixels, double dpi);

} // namespace Twips
