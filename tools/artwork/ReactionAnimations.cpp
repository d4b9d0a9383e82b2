#include "ReactionAnimations.h"

#include "ArtStyle.h"
#include "Canvas.h"
#include "Matte.h"

#include <QPainterPath>

#include <functional>

namespace
{

constexpr int Size = 96;
constexpr qreal Radius = 34;
const QPointF Centre(48, 52);
constexpr int StepMs = 50;
constexpr int RestMs = 800;

struct Pose {
    QPointF offset;
    qreal angle; // degrees
    QPointF squash; // horizontal and vertical scale about the badge's foot
};

// A round badge with a symbol on it, posed; soft edges blend into the window's paper.
QImage badge(const Pose &pose, const QColor &colour, const std::function<void(QPainter &)> &symbol)
{
    const QImage drawing = Canvas::draw(QSize(Size, Size), Qt::transparent, [&](QPainter &painter) {
        const QPointF foot = Centre + QPointF(0, Radius);
        painter.translate(foot + pose.offset);
        painter.rotate(pose.angle);
        painter.scale(pose.squash.x(), pose.squash.y());
        painter.translate(-foot);
        QRadialGradient shade(Centre - QPointF(12, 14), Radius * 1.6);
        shade.setColorAt(0, colour.lighter(130));
        shade.setColorAt(1, colour.darker(115));
        painter.setPen(QPen(ArtStyle::Ink, 4));
        painter.setBrush(shade);
        painter.drawEllipse(Centre, Radius, Radius);
        symbol(painter);
    });
    return Matte::flatten(drawing, ArtStyle::Paper, Qt::transparent);
}

// An ink-edged stroke of the symbol, in a white that is not quite pure.
void drawSymbol(QPainter &painter, const QPainterPath &path)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ArtStyle::Ink, 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(QColor(255, 253, 246), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
}

void drawTick(QPainter &painter)
{
    QPainterPath tick;
    tick.moveTo(Centre + QPointF(-17, 1));
    tick.lineTo(Centre + QPointF(-5, 13));
    tick.lineTo(Centre + QPointF(17, -12));
    drawSymbol(painter, tick);
}

void drawCross(QPainter &painter)
{
    QPainterPath cross;
    const qreal arm = 13;
    cross.moveTo(Centre + QPointF(-arm, -arm));
    cross.lineTo(Centre + QPointF(arm, arm));
    cross.moveTo(Centre + QPointF(arm, -arm));
    cross.lineTo(Centre + QPointF(-arm, arm));
    drawSymbol(painter, cross);
}

GifWriter animate(const QList<Pose> &poses, const QColor &colour, const std::function<void(QPainter &)> &symbol)
{
    GifWriter gif;
    for (qsizetype i = 0; i < poses.size(); ++i) {
        gif.addFrame(badge(poses[i], colour, symbol), i + 1 == poses.size() ? RestMs : StepMs);
    }
    return gif;
}

} // namespace

namespace ReactionAnimations
{

GifWriter right()
{
    const QPointF still(1, 1);
    // Up, down, a small squash on landing, and still.
    return animate({{{0, 0}, 0, {1.08, 0.9}}, {{0, -6}, 0, {0.97, 1.04}}, {{0, -10}, 0, still}, {{0, -12}, 0, still},
                       {{0, -10}, 0, still}, {{0, -5}, 0, still}, {{0, 0}, 0, {1.06, 0.93}}, {{0, -2}, 0, still},
                       {{0, 0}, 0, still}},
        QColor(56, 176, 84), drawTick);
}

GifWriter wrong()
{
    const QPointF still(1, 1);
    // A shake of the head, dying away.
    return animate({{{-7, 0}, -7, still}, {{7, 0}, 7, still}, {{-6, 0}, -6, still}, {{6, 0}, 6, still},
                       {{-4, 0}, -4, still}, {{3, 0}, 3, still}, {{-1, 0}, -1, still}, {{0, 0}, 0, still}},
        QColor(222, 64, 52), drawCross);
}

} // namespace ReactionAnimations
