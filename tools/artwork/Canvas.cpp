#include "Canvas.h"

namespace Canvas
{

QImage draw(QSize size, const QColor &ground, const std::function<void(QPainter &)> &paint)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return image.convertToFormat(ground.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
}

} // namespace Canvas
