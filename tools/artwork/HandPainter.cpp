#include "HandPainter.h"

#include "ArtStyle.h"
#include "Canvas.h"
#include "Matte.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int Width = 80;
constexpr int Height = 90;
constexpr qreal Outline = 2.5;

struct Digit {
    HandPainter::Finger finger;
    QPointF base; // where it leaves the palm, hidden under it
    qreal width;
    qreal restingLength;
    qreal raisedLength;
    qreal angle; // degrees clockwise from pointing straight up
    qreal raisedAngle; // a raised thumb points higher; the fingers keep their angle
};

// The right hand; the left one is its mirror image.
constexpr Digit Digits[] = {
    {HandPainter::Finger::Thumb, {30, 72}, 11.5, 30, 40, -58, -36},
    {HandPainter::Finger::Index, {28, 56}, 10, 30, 52, -5, -5},
    {HandPainter::Finger::Middle, {38.5, 54}, 10.5, 32, 52, 0, 0},
    {HandPainter::Finger::Ring, {49, 56}, 10, 29, 50, 5, 5},
    {HandPainter::Finger::Little, {59, 58}, 9, 23, 44, 11, 11},
};

const Digit &digitOf(HandPainter::Finger finger)
{
    return *std::find_if(std::begin(Digits), std::end(Digits), [finger](const Digit &digit) {
        return digit.finger == finger;
    });
}

// A finger as a capsule from its base along its angle.
QPainterPath digitPath(const Digit &digit, bool raised)
{
    const qreal length = raised ? digit.raisedLength : digit.restingLength;
    QPainterPath capsule;
    capsule.addRoundedRect(
        QRectF(-digit.width / 2, -length, digit.width, length + digit.width / 2), digit.width / 2, digit.width / 2);
    QTransform place;
    place.translate(digit.base.x(), digit.base.y());
    place.rotate(raised ? digit.raisedAngle : digit.angle);
    return place.map(capsule);
}

QPainterPath palmPath()
{
    QPainterPath palm;
    palm.moveTo(22, 54);
    palm.quadTo(22, 45, 31, 45);
    palm.lineTo(59, 46);
    palm.quadTo(67, 47, 66, 56);
    palm.lineTo(63, 76);
    palm.lineTo(61, 90);
    palm.lineTo(29, 90);
    palm.lineTo(25, 78);
    palm.quadTo(21, 68, 22, 54);
    palm.closeSubpath();
    return palm;
}

// A nail near the tip: the raised finger's back, seen from above.
QPainterPath nailPath(const Digit &digit)
{
    const qreal length = digit.raisedLength;
    QPainterPath nail;
    const qreal nailWidth = digit.width * 0.55;
    nail.addRoundedRect(
        QRectF(-nailWidth / 2, -length + 1.5, nailWidth, nailWidth * 1.2), nailWidth / 2.5, nailWidth / 2.5);
    QTransform place;
    place.translate(digit.base.x(), digit.base.y());
    place.rotate(digit.raisedAngle);
    return place.map(nail);
}

} // namespace

namespace HandPainter
{

void drawHand(QPainter &painter, bool leftHand, std::optional<Finger> raised)
{
    painter.save();
    if (leftHand) {
        painter.translate(Width, 0);
        painter.scale(-1, 1);
    }
    const QPainterPath palm = palmPath();
    // One thick ink stroke under every part, then the fills over it: only the outer half of
    // the stroke stays, so the hand reads as one silhouette with ink between the fingers.
    painter.setPen(QPen(ArtStyle::Ink, 2 * Outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    for (const Digit &digit : Digits) {
        painter.drawPath(digitPath(digit, raised == digit.finger));
    }
    painter.drawPath(palm);
    painter.setPen(Qt::NoPen);
    for (const Digit &digit : Digits) {
        const bool isRaised = raised == digit.finger;
        painter.setBrush(isRaised ? ArtStyle::RaisedFinger : ArtStyle::Skin);
        painter.drawPath(digitPath(digit, isRaised));
        if (isRaised) {
            painter.setBrush(ArtStyle::RaisedFinger.lighter(135));
            painter.drawPath(nailPath(digit));
        }
    }
    painter.setBrush(ArtStyle::Skin);
    painter.drawPath(palm);
    painter.restore();
}

QPointF fingertip(bool leftHand, Finger finger)
{
    const Digit &digit = digitOf(finger);
    const qreal angle = qDegreesToRadians(digit.angle);
    const QPointF tip = digit.base + digit.restingLength * QPointF(std::sin(angle), -std::cos(angle));
    return leftHand ? QPointF(Width - tip.x(), tip.y()) : tip;
}

QImage fingerPicture(int fingerNumber)
{
    // Finger numbers count each hand from the little finger to the thumb.
    constexpr Finger ByNumber[] = {Finger::Little, Finger::Ring, Finger::Middle, Finger::Index, Finger::Thumb};
    const Finger raised = ByNumber[fingerNumber % 5];
    const QImage drawing
        = Canvas::draw(QSize(Width, Height), Qt::transparent, [fingerNumber, raised](QPainter &painter) {
              drawHand(painter, fingerNumber >= 5, raised);
          });
    // Soft edge pixels are laid over the ink, not over the white: a pale fringe would survive
    // as a ragged halo once white turns transparent.
    return Matte::flatten(drawing, ArtStyle::Ink, Qt::white).convertToFormat(QImage::Format_RGB32);
}

} // namespace HandPainter
