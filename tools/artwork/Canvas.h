#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include <functional>

namespace Canvas
{

// A picture of the given size on the given ground (which may be transparent), painted by
// draw with antialiasing on.
QImage draw(QSize size, const QColor &ground, const std::function<void(QPainter &)> &paint);

} // namespace Canvas
