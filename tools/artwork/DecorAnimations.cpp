#include "DecorAnimations.h"

#include "ArtStyle.h"
#include "Canvas.h"
#include "Matte.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace
{

constexpr qreal Tau = 2 * std::numbers::pi;

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
        float(a.greenF() + (b.greenF() - a.greenF()) * t), float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The line: a glossy tube whose colours drift along it, with a light running through.
QImage lineFrame(qreal phase)
{
    constexpr int Width = 402;
    constexpr int Height = 17;
    const QRectF tube(3, 5, Width - 6, 7);
    const QImage drawing = Canvas::draw(QSize(Width, Height), Qt::transparent, [&](QPainter &painter) {
        QLinearGradient colours(tube.left(), 0, tube.right(), 0);
        constexpr int Stops = 24;
        for (int i = 0; i <= Stops; ++i) {
            const qreal x = qreal(i) / Stops;
            // Two waves of colour across the line; one loop moves them by exactly one wave.
            const qreal drift = 0.5 + 0.5 * std::sin(Tau * (2 * x - phase));
            // The light: a soft spot that enters at the left and leaves at the right.
            const qreal spot = (x - (1.3 * phase - 0.15)) / 0.06;
            const qreal light = std::exp(-spot * spot);
            colours.setColorAt(
                x, mix(mix(QColor(52, 110, 220), QColor(40, 180, 200), drift), QColor(235, 248, 255), light));
        }
        painter.setPen(QPen(ArtStyle::Ink, 1.2));
        painter.setBrush(colours);
        painter.drawRoundedRect(tube, 3.5, 3.5);
        // The gloss along the top of the tube.
        painter.setPen(QPen(QColor(255, 255, 255, 110), 1.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(tube.left() + 4, tube.top() + 2), QPointF(tube.right() - 4, tube.top() + 2));
    });
    return Matte::flatten(drawing, ArtStyle::Paper, Qt::transparent);
}

// One spectator of the wave: lift 0 seated with arms down, 1 standing with arms up.
void drawSpectator(QPainter &painter, qreal x, qreal lift, const QColor &shirt)
{
    const qreal bottom = 31 - 8 * lift;
    const QPointF shoulder(x, bottom - 8);
    const QPointF head(x, bottom - 13);
    painter.setPen(QPen(ArtStyle::Ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Arms swing from hanging down to straight up as the wave passes.
    const qreal swing = (150 - 125 * lift) * std::numbers::pi / 180;
    for (const int side : {-1, 1}) {
        const QPointF hand = shoulder + QPointF(side * 10 * std::sin(swing), -10 * std::cos(swing));
        painter.drawLine(shoulder + QPointF(side * 2, 0), hand);
    }
    painter.setPen(QPen(ArtStyle::Ink, 1.2));
    painter.setBrush(shirt);
    painter.drawRoundedRect(QRectF(x - 4.5, bottom - 9, 9, 9), 3, 3);
    painter.setBrush(ArtStyle::Skin);
    painter.drawEllipse(head, 4, 4);
}

QImage waveFrame(qreal phase)
{
    constexpr int Width = 282;
    constexpr int People = 14;
    const QColor shirts[] = {{232, 76, 61}, {250, 180, 40}, {46, 170, 80}, {52, 130, 230}, {160, 90, 210}};
    const QImage drawing = Canvas::draw(QSize(Width, 33), Qt::transparent, [&](QPainter &painter) {
        // The crest runs from three places before the first spectator to three after the last,
        // so it has left the row before it comes round again.
        const qreal crest = -3 + (People + 5) * phase;
        for (int i = 0; i < People; ++i) {
            const qreal distance = (i - crest) / 1.4;
            drawSpectator(painter, 12 + i * 19.8, std::exp(-distance * distance), shirts[i % 5]);
        }
    });
    return Matte::flatten(drawing, ArtStyle::Paper, Qt::transparent);
}

void drawFace(QPainter &painter, QPointF centre, bool blinking)
{
    painter.setPen(QPen(ArtStyle::Ink, 2.5));
    QRadialGradient shade(centre - QPointF(8, 9), 34);
    shade.setColorAt(0, QColor(255, 236, 120));
    shade.setColorAt(1, QColor(250, 190, 40));
    painter.setBrush(shade);
    painter.drawEllipse(centre, 23, 23);
    painter.setBrush(ArtStyle::Ink);
    for (const int side : {-1, 1}) {
        const QPointF eye = centre + QPointF(side * 8, -6);
        if (blinking) {
            painter.drawLine(eye - QPointF(3, 0), eye + QPointF(3, 0));
        } else {
            // Looking down at the keys.
            painter.drawEllipse(eye + QPointF(1.2, 1), 2.6, 3.6);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(248, 150, 120));
    painter.drawEllipse(centre + QPointF(-14, 4), 3.5, 2.2);
    painter.drawEllipse(centre + QPointF(14, 4), 3.5, 2.2);
    painter.setPen(QPen(ArtStyle::Ink, 2.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - 11, centre.y() - 8, 22, 20), 200 * 16, 140 * 16);
}

// A small keyboard with one key pressed down and lit.
void drawTinyKeyboard(QPainter &painter, int pressed)
{
    painter.setPen(QPen(ArtStyle::Ink, 2));
    painter.setBrush(QColor(92, 106, 132));
    painter.drawRoundedRect(QRectF(62, 14, 80, 38), 6, 6);
    constexpr qreal Key = 9;
    constexpr qreal Gap = 2.4;
    int index = 0;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 6; ++column, ++index) {
            const QRectF key(67 + row * 3 + column * (Key + Gap), 18 + row * (Key + Gap + 0.5), Key, Key);
            const QColor colour = column < 3 ? ArtStyle::LeftHandKey : ArtStyle::RightHandKey;
            painter.setPen(QPen(ArtStyle::Ink, 1.2));
            painter.setBrush(index == pressed ? QColor(255, 140, 60) : colour);
            painter.drawRoundedRect(key.translated(0, index == pressed ? 1.2 : 0), 2, 2);
        }
    }
}

} // namespace

namespace DecorAnimations
{

// A looping animation of frames drawn at evenly spaced phases of one round.
static GifWriter loop(int frames, int delay, QImage (*frameAt)(qreal phase))
{
    GifWriter gif;
    for (int i = 0; i < frames; ++i) {
        gif.addFrame(frameAt(qreal(i) / frames), delay);
    }
    return gif;
}

GifWriter line()
{
    return loop(30, 60, lineFrame);
}

GifWriter wave()
{
    return loop(24, 70, waveFrame);
}

GifWriter cheerfulTypist()
{
    // The keys typed in turn; the face nods with every key and blinks once a round.
    constexpr int Typed[] = {6, 14, 3, 9, 16, 1, 11, 8};
    GifWriter gif;
    int frame = 0;
    for (const int key : Typed) {
        gif.addFrame(Canvas::draw(QSize(146, 58), Qt::white,
                         [&](QPainter &painter) {
                             drawFace(painter, QPointF(30, 29 + (frame % 2 ? 1.5 : -1.5)), frame == 5);
                             drawTinyKeyboard(painter, key);
                         }),
            160);
        ++frame;
    }
    return gif;
}

} // namespace DecorAnimations
