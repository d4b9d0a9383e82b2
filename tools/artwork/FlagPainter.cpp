#include "FlagPainter.h"

#include "Canvas.h"

#include <QPainterPath>

#include <cmath>
#include <functional>

namespace
{

constexpr int Width = 162;
constexpr int Height = 114;

// Paints the field, then a thin grey edge so that a mostly white flag still has a shape on a
// white window.
QImage flag(const std::function<void(QPainter &)> &field)
{
    return Canvas::draw(QSize(Width, Height), Qt::white, [&field](QPainter &painter) {
        field(painter);
        painter.setPen(QPen(QColor(120, 120, 120), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(1, 1, Width - 2, Height - 2));
    });
}

// A band of the given width along the line from one point to another, as a filled polygon, so
// that it reaches the corners exactly instead of ending in a pen cap.
QPolygonF band(QPointF from, QPointF to, qreal width, qreal offset = 0)
{
    const QPointF along = to - from;
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF normal(-along.y() / length, along.x() / length);
    const QPointF low = normal * (offset - width / 2);
    const QPointF high = normal * (offset + width / 2);
    // Lengthened at both ends so the band leaves the picture instead of stopping at its edge.
    const QPointF past = along / length * width;
    return QPolygonF({from - past + low, to + past + low, to + past + high, from - past + high});
}

} // namespace

namespace FlagPainter
{

QImage spain()
{
    return flag([](QPainter &painter) {
        painter.fillRect(QRectF(0, 0, Width, Height), QColor(170, 21, 27));
        painter.fillRect(QRectF(0, Height / 4.0, Width, Height / 2.0), QColor(241, 191, 0));
    });
}

QImage catalonia()
{
    return flag([](QPainter &painter) {
        // Nine equal stripes: four red ones on gold.
        painter.fillRect(QRectF(0, 0, Width, Height), QColor(252, 221, 9));
        const qreal stripe = Height / 9.0;
        for (int i = 1; i < 9; i += 2) {
            painter.fillRect(QRectF(0, i * stripe, Width, stripe), QColor(218, 18, 26));
        }
    });
}

QImage galicia()
{
    return flag([](QPainter &painter) {
        // The light blue band runs from the top of the hoist to the bottom of the fly.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 153, 218));
        painter.drawPolygon(band(QPointF(0, 0), QPointF(Width, Height), Height / 3.6));
    });
}

QImage basqueCountry()
{
    return flag([](QPainter &painter) {
        painter.fillRect(QRectF(0, 0, Width, Height), QColor(213, 43, 30));
        painter.setPen(Qt::NoPen);
        const qreal arm = Height / 7.0;
        painter.setBrush(QColor(0, 155, 72));
        painter.drawPolygon(band(QPointF(0, 0), QPointF(Width, Height), arm));
        painter.drawPolygon(band(QPointF(0, Height), QPointF(Width, 0), arm));
        painter.fillRect(QRectF((Width - arm) / 2, 0, arm, Height), Qt::white);
        painter.fillRect(QRectF(0, (Height - arm) / 2, Width, arm), Qt::white);
    });
}

QImage unitedKingdom()
{
    return flag([](QPainter &painter) {
        const QColor blue(1, 33, 105);
        const QColor red(200, 16, 46);
        const qreal unit = Height / 30.0;
        const QPointF centre(Width / 2.0, Height / 2.0);
        painter.fillRect(QRectF(0, 0, Width, Height), blue);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPolygon(band(QPointF(0, 0), QPointF(Width, Height), 6 * unit));
        painter.drawPolygon(band(QPointF(0, Height), QPointF(Width, 0), 6 * unit));
        // The red saltire is counterchanged, the broad white uppermost next to the hoist: each
        // arm is drawn from the centre out, off the middle of the white, and clipped to its quarter.
        const QPointF corners[] = {{0, 0}, {Width, 0}, {Width, Height}, {0, Height}};
        painter.setBrush(red);
        for (const QPointF &corner : corners) {
            QPainterPath quarter;
            quarter.addPolygon(
                QPolygonF({centre, QPointF(corner.x(), centre.y()), corner, QPointF(centre.x(), corner.y())}));
            painter.save();
            painter.setClipPath(quarter);
            painter.drawPolygon(band(centre, corner, 2 * unit, unit));
            painter.restore();
        }
        painter.fillRect(QRectF(centre.x() - 5 * unit, 0, 10 * unit, Height), Qt::white);
        painter.fillRect(QRectF(0, centre.y() - 5 * unit, Width, 10 * unit), Qt::white);
        painter.fillRect(QRectF(centre.x() - 3 * unit, 0, 6 * unit, Height), red);
        painter.fillRect(QRectF(0, centre.y() - 3 * unit, Width, 6 * unit), red);
    });
}

} // namespace FlagPainter
