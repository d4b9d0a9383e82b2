#include "IconKit.h"

#include "ArtStyle.h"
#include "Canvas.h"

namespace
{

constexpr qreal OutlineWidth = 4.5;

} // namespace

namespace IconKit
{

QImage icon(const std::function<void(QPainter &)> &draw)
{
    return Canvas::draw(QSize(Size, Size), Qt::transparent, draw);
}

void outlined(QPainter &painter, const QPainterPath &path, const QColor &colour)
{
    const QRectF bounds = path.boundingRect();
    QLinearGradient light(bounds.topLeft(), bounds.bottomLeft());
    light.setColorAt(0, colour.lighter(118));
    light.setColorAt(1, colour);
    painter.setPen(inkPen(OutlineWidth));
    painter.setBrush(light);
    painter.drawPath(path);
}

QPainterPath roundedRect(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath rightArrow(const QRectF &rect)
{
    const qreal shaftHalf = rect.height() * 0.2;
    const qreal neck = rect.left() + rect.width() * 0.52;
    const qreal middle = rect.center().y();
    QPainterPath arrow;
    arrow.addPolygon(QPolygonF({
        QPointF(rect.left(), middle - shaftHalf),
        QPointF(neck, middle - shaftHalf),
        QPointF(neck, rect.top()),
        QPointF(rect.right(), middle),
        QPointF(neck, rect.bottom()),
        QPointF(neck, middle + shaftHalf),
        QPointF(rect.left(), middle + shaftHalf),
    }));
    arrow.closeSubpath();
    return arrow;
}

QPainterPath paperSheet(const QRectF &rect)
{
    const qreal fold = rect.width() * 0.28;
    QPainterPath sheet;
    sheet.moveTo(rect.topLeft());
    sheet.lineTo(rect.right() - fold, rect.top());
    sheet.lineTo(rect.right(), rect.top() + fold);
    sheet.lineTo(rect.bottomRight());
    sheet.lineTo(rect.bottomLeft());
    sheet.closeSubpath();
    sheet.moveTo(rect.right() - fold, rect.top());
    sheet.lineTo(rect.right() - fold, rect.top() + fold);
    sheet.lineTo(rect.right(), rect.top() + fold);
    return sheet;
}

QPen inkPen(qreal width)
{
    return QPen(ArtStyle::Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace IconKit
