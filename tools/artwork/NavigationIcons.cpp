#include "NavigationIcons.h"

#include "ArtStyle.h"
#include "IconKit.h"

namespace
{

const QColor ArrowBlue(66, 133, 244);

QPainterPath arrow()
{
    return IconKit::rightArrow(QRectF(12, 18, 72, 60));
}

// A die face of the given number, centred on centre, turned by angle degrees.
void drawDie(
    QPainter &painter, QPointF centre, qreal size, qreal angle, const QColor &colour, const QColor &pips, int face)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    IconKit::outlined(painter, IconKit::roundedRect(QRectF(-size / 2, -size / 2, size, size), size * 0.2), colour);
    const qreal step = size * 0.26;
    const QPointF spots[] = {{-step, -step}, {step, step}, {step, -step}, {-step, step}, {0, 0}};
    // Five shows all spots; four leaves out the middle one.
    painter.setPen(Qt::NoPen);
    painter.setBrush(pips);
    for (int i = 0; i < face; ++i) {
        painter.drawEllipse(spots[i], size * 0.09, size * 0.09);
    }
    painter.restore();
}

} // namespace

namespace NavigationIcons
{

QImage next()
{
    return IconKit::icon([](QPainter &painter) {
        IconKit::outlined(painter, arrow(), ArrowBlue);
    });
}

QImage previous()
{
    return IconKit::icon([](QPainter &painter) {
        painter.translate(IconKit::Size, 0);
        painter.scale(-1, 1);
        IconKit::outlined(painter, arrow(), ArrowBlue);
    });
}

QImage start()
{
    return IconKit::icon([](QPainter &painter) {
        QPainterPath play;
        play.addPolygon(QPolygonF({QPointF(28, 14), QPointF(82, 48), QPointF(28, 82)}));
        play.closeSubpath();
        IconKit::outlined(painter, play, QColor(46, 170, 80));
    });
}

QImage random()
{
    return IconKit::icon([](QPainter &painter) {
        drawDie(painter, QPointF(62, 34), 40, 16, QColor(226, 76, 64), QColor(250, 244, 230), 4);
        drawDie(painter, QPointF(38, 60), 46, -10, QColor(250, 244, 230), ArtStyle::Ink, 5);
    });
}

} // namespace NavigationIcons
