#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

// The common hand of the tool-bar pictures: bold ink outlines around flat colours that catch a
// little light at the top, on a transparent ground.
namespace IconKit
{

constexpr int Size = 96;

// A 96 x 96 transparent picture with whatever draw paints on it, antialiased.
QImage icon(const std::function<void(QPainter &)> &draw);

// Fills the path with colour, lighter towards its top, and outlines it in ink.
void outlined(QPainter &painter, const QPainterPath &path, const QColor &colour);

QPainterPath roundedRect(const QRectF &rect, qreal radius);

// A block arrow pointing right, inside rect.
QPainterPath rightArrow(const QRectF &rect);

// A sheet of paper with its top-right corner folded down.
QPainterPath paperSheet(const QRectF &rect);

// Ink strokes of the outline's weight, for lines drawn inside a shape.
QPen inkPen(qreal width);

} // namespace IconKit
