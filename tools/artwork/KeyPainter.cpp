#include "KeyPainter.h"

#include "ArtStyle.h"
#include "Canvas.h"
#include "StrokeFont.h"

#include <QPainter>
#include <QPainterPath>

namespace
{

const QColor Magenta(255, 0, 255);

} // namespace

namespace KeyPainter
{

QImage enterKey()
{
    return Canvas::draw(QSize(98, 178), Magenta, [](QPainter &painter) {
        // Down from the top of the key, then back to the left: a typewriter's carriage return.
        painter.setPen(QPen(Qt::black, 11, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        QPainterPath stem;
        stem.moveTo(70, 44);
        stem.lineTo(70, 112);
        stem.lineTo(40, 112);
        painter.drawPath(stem);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPolygon(QPolygonF({QPointF(18, 112), QPointF(44, 92), QPointF(44, 132)}));
    });
}

QImage shiftKey()
{
    return Canvas::draw(QSize(66, 66), Magenta, [](QPainter &painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPolygon(QPolygonF({QPointF(33, 9), QPointF(56, 34), QPointF(42, 34), QPointF(42, 57),
            QPointF(24, 57), QPointF(24, 34), QPointF(10, 34)}));
    });
}

void drawKeycap(QPainter &painter, const QRectF &rect, const QColor &colour, const QString &label)
{
    const qreal radius = rect.height() * 0.14;
    const qreal lip = rect.height() * 0.12;
    painter.save();
    painter.setPen(QPen(ArtStyle::Ink, rect.height() * 0.05));
    // The skirt is the body of the key; the top face sits on it, shifted up, so the key stands.
    painter.setBrush(colour.darker(130));
    painter.drawRoundedRect(rect, radius, radius);
    const QRectF top = rect.adjusted(lip * 0.6, lip * 0.3, -lip * 0.6, -lip * 1.4);
    QLinearGradient shine(top.topLeft(), top.bottomLeft());
    shine.setColorAt(0, colour.lighter(112));
    shine.setColorAt(1, colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shine);
    painter.drawRoundedRect(top, radius * 0.8, radius * 0.8);
    if (!label.isEmpty()) {
        const qreal capHeight = top.height() * 0.46;
        painter.setPen(QPen(ArtStyle::Ink, capHeight / 5.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(StrokeFont::textPath(label, top.center(), capHeight));
    }
    painter.restore();
}

} // namespace KeyPainter
