#include "ToolIcons.h"

#include "ArtStyle.h"
#include "IconKit.h"
#include "StrokeFont.h"

#include <algorithm>
#include <cmath>

namespace
{

const QColor Paper(252, 250, 242);
const QColor Blue(66, 133, 244);
const QColor Green(46, 170, 80);
const QColor Amber(255, 190, 40);
const QColor Red(222, 64, 52);

void drawClock(QPainter &painter, QPointF centre, qreal radius)
{
    QPainterPath face;
    face.addEllipse(centre, radius, radius);
    IconKit::outlined(painter, face, Amber);
    painter.setPen(IconKit::inkPen(3.5));
    painter.drawLine(centre, centre + QPointF(0, -radius * 0.62));
    painter.drawLine(centre, centre + QPointF(radius * 0.45, radius * 0.2));
}

// Outlined capitals: a wide ink stroke under a narrower coloured one.
void drawLetter(QPainter &painter, QPointF centre, qreal capHeight, const QColor &colour)
{
    const QPainterPath letter = StrokeFont::textPath(u"A", centre, capHeight);
    const qreal colourWidth = std::max(4.0, capHeight * 0.12);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(IconKit::inkPen(colourWidth + 8));
    painter.drawPath(letter);
    painter.setPen(QPen(colour, colourWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(letter);
}

void drawKeyboard(QPainter &painter)
{
    IconKit::outlined(painter, IconKit::roundedRect(QRectF(6, 24, 84, 50), 9), QColor(92, 106, 132));
    painter.setPen(IconKit::inkPen(2));
    constexpr qreal Key = 8.4;
    constexpr qreal Gap = 2.6;
    for (int row = 0; row < 3; ++row) {
        const int keys = row == 2 ? 6 : 7;
        const qreal left = 12 + row * (Key + Gap) / 2;
        for (int i = 0; i < keys; ++i) {
            // The same halves as the program's keyboard: left hand blue, right hand yellow.
            const bool leftHand = left + i * (Key + Gap) + Key / 2 < 48;
            painter.setBrush(leftHand ? ArtStyle::LeftHandKey : ArtStyle::RightHandKey);
            painter.drawRoundedRect(QRectF(left + i * (Key + Gap), 30 + row * (Key + Gap), Key, Key), 2, 2);
        }
    }
    painter.setBrush(ArtStyle::SpaceKey);
    painter.drawRoundedRect(QRectF(28, 30 + 3 * (Key + Gap), 40, Key - 1), 2, 2);
}

} // namespace

namespace ToolIcons
{

QImage progress()
{
    return IconKit::icon([](QPainter &painter) {
        IconKit::outlined(painter, IconKit::roundedRect(QRectF(8, 10, 80, 76), 8), Paper);
        painter.setPen(QPen(QColor(120, 140, 170), 3, Qt::SolidLine, Qt::RoundCap));
        for (int row = 0; row < 3; ++row) {
            const qreal y = 30 + row * 16;
            painter.drawLine(QPointF(18, y), QPointF(78, y));
        }
        // A speed line that climbs, ending in an arrow head.
        const QPolygonF climb({QPointF(16, 72), QPointF(34, 58), QPointF(48, 64), QPointF(70, 30)});
        painter.setBrush(Qt::NoBrush);
        painter.setPen(IconKit::inkPen(12));
        painter.drawPolyline(climb);
        painter.setPen(QPen(Green, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(climb);
        QPainterPath head;
        head.addPolygon(QPolygonF({QPointF(78, 16), QPointF(80, 42), QPointF(58, 30)}));
        head.closeSubpath();
        IconKit::outlined(painter, head, Green);
    });
}

QImage history()
{
    return IconKit::icon([](QPainter &painter) {
        IconKit::outlined(painter, IconKit::paperSheet(QRectF(14, 8, 56, 74)), Paper);
        painter.setPen(QPen(QColor(120, 140, 170), 4, Qt::SolidLine, Qt::RoundCap));
        for (int line = 0; line < 5; ++line) {
            const qreal y = 32 + line * 10;
            painter.drawLine(QPointF(24, y), QPointF(line % 2 ? 48 : 58, y));
        }
        drawClock(painter, QPointF(66, 68), 20);
    });
}

QImage textSize()
{
    return IconKit::icon([](QPainter &painter) {
        drawLetter(painter, QPointF(36, 46), 56, Blue);
        drawLetter(painter, QPointF(74, 64), 32, Red);
    });
}

QImage report()
{
    return IconKit::icon([](QPainter &painter) {
        IconKit::outlined(painter, IconKit::paperSheet(QRectF(18, 6, 60, 84)), Paper);
        painter.setPen(QPen(QColor(120, 140, 170), 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(28, 22), QPointF(52, 22));
        const struct {
            qreal height;
            QColor colour;
        } bars[] = {{22, Blue}, {36, Green}, {28, Amber}};
        qreal x = 28;
        for (const auto &bar : bars) {
            IconKit::outlined(painter, IconKit::roundedRect(QRectF(x, 78 - bar.height, 11, bar.height), 2), bar.colour);
            x += 14;
        }
    });
}

QImage keyboardShown()
{
    return IconKit::icon(drawKeyboard);
}

QImage keyboardLayout()
{
    return IconKit::icon([](QPainter &painter) {
        drawKeyboard(painter);
        // "The other keyboard": two arrows, one each way, above and below it.
        const struct {
            qreal y;
            qreal from;
            qreal to;
            QColor colour;
        } arrows[] = {{13, 22, 74, Blue}, {85, 74, 22, Green}};
        for (const auto &arrow : arrows) {
            const qreal head = arrow.to > arrow.from ? -12 : 12;
            const QPolygonF shaft({QPointF(arrow.from, arrow.y), QPointF(arrow.to, arrow.y)});
            const QPolygonF tip({QPointF(arrow.to + head, arrow.y - 9), QPointF(arrow.to, arrow.y),
                QPointF(arrow.to + head, arrow.y + 9)});
            painter.setBrush(Qt::NoBrush);
            painter.setPen(IconKit::inkPen(12));
            painter.drawPolyline(shaft);
            painter.drawPolyline(tip);
            painter.setPen(QPen(arrow.colour, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(shaft);
            painter.drawPolyline(tip);
        }
    });
}

QImage keyboardHidden()
{
    return IconKit::icon([](QPainter &painter) {
        painter.setOpacity(0.55);
        drawKeyboard(painter);
        painter.setOpacity(1);
        // "Not shown": the red ring with a bar through it, outlined like everything else.
        QPainterPath sign;
        sign.addEllipse(QPointF(48, 48), 36, 36);
        const qreal offset = 36 / std::sqrt(2.0);
        sign.moveTo(48 - offset, 48 - offset);
        sign.lineTo(48 + offset, 48 + offset);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(IconKit::inkPen(13));
        painter.drawPath(sign);
        painter.setPen(QPen(Red, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(sign);
    });
}

QImage minimise()
{
    return IconKit::icon([](QPainter &painter) {
        const QPainterPath window = IconKit::roundedRect(QRectF(12, 8, 72, 58), 7);
        IconKit::outlined(painter, window, QColor(232, 240, 250));
        painter.save();
        painter.setClipPath(window);
        painter.fillRect(QRectF(12, 8, 72, 16), Blue);
        painter.restore();
        painter.setPen(IconKit::inkPen(4.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(window);
        painter.drawLine(QPointF(12, 24), QPointF(84, 24));
        painter.save();
        painter.translate(48, 30);
        painter.rotate(90);
        IconKit::outlined(painter, IconKit::rightArrow(QRectF(0, -16, 32, 32)), Green);
        painter.restore();
        IconKit::outlined(painter, IconKit::roundedRect(QRectF(22, 74, 52, 12), 5), Amber);
    });
}

QImage exit()
{
    return IconKit::icon([](QPainter &painter) {
        IconKit::outlined(painter, IconKit::roundedRect(QRectF(14, 8, 44, 80), 3), QColor(70, 58, 84));
        QPainterPath door;
        door.addPolygon(QPolygonF({QPointF(14, 8), QPointF(38, 16), QPointF(38, 94), QPointF(14, 88)}));
        door.closeSubpath();
        IconKit::outlined(painter, door, QColor(186, 124, 72));
        painter.setPen(Qt::NoPen);
        painter.setBrush(ArtStyle::Ink);
        painter.drawEllipse(QPointF(32, 54), 3, 3);
        IconKit::outlined(painter, IconKit::rightArrow(QRectF(42, 34, 50, 34)), Red);
    });
}

// An open eye with a big black-on-white letter in its pupil: the look of the panes is set here.
QImage settings()
{
    return IconKit::icon([](QPainter &painter) {
        QPainterPath eye;
        eye.moveTo(6, 48);
        eye.quadTo(48, 4, 90, 48);
        eye.quadTo(48, 92, 6, 48);
        eye.closeSubpath();
        IconKit::outlined(painter, eye, Paper);
        QPainterPath iris;
        iris.addEllipse(QPointF(48, 48), 22, 22);
        IconKit::outlined(painter, iris, Blue);
        QPainterPath pupil;
        pupil.addEllipse(QPointF(48, 48), 12, 12);
        IconKit::outlined(painter, pupil, QColor(255, 255, 255));
        drawLetter(painter, QPointF(48, 48), 16, QColor(20, 20, 20));
    });
}

QImage exam()
{
    return IconKit::icon([](QPainter &painter) {
        // A stopwatch, its crown on top, and the certificate's red seal at its foot.
        const QColor steel(92, 106, 132);
        IconKit::outlined(painter, IconKit::roundedRect(QRectF(44, 10, 8, 12), 2), steel);
        IconKit::outlined(painter, IconKit::roundedRect(QRectF(36, 2, 24, 12), 4), steel);
        drawClock(painter, QPointF(44, 54), 34);
        QPainterPath ribbon;
        ribbon.addPolygon(
            QPolygonF({QPointF(66, 72), QPointF(60, 94), QPointF(70, 88), QPointF(78, 94), QPointF(78, 72)}));
        ribbon.closeSubpath();
        IconKit::outlined(painter, ribbon, Red.darker(120));
        QPainterPath seal;
        seal.addEllipse(QPointF(72, 70), 15, 15);
        IconKit::outlined(painter, seal, Red);
    });
}

QImage openText()
{
    return IconKit::icon([](QPainter &painter) {
        // An open folder with a written sheet coming out of it.
        QPainterPath back;
        back.addPolygon(QPolygonF(
            {QPointF(8, 30), QPointF(30, 30), QPointF(36, 38), QPointF(84, 38), QPointF(84, 84), QPointF(8, 84)}));
        back.closeSubpath();
        IconKit::outlined(painter, back, QColor(214, 150, 30));
        IconKit::outlined(painter, IconKit::paperSheet(QRectF(26, 8, 48, 58)), Paper);
        painter.setPen(QPen(QColor(120, 140, 170), 4, Qt::SolidLine, Qt::RoundCap));
        for (int line = 0; line < 3; ++line) {
            const qreal y = 28 + line * 10;
            painter.drawLine(QPointF(34, y), QPointF(line == 2 ? 52 : 62, y));
        }
        QPainterPath front;
        front.addPolygon(QPolygonF({QPointF(4, 50), QPointF(80, 50), QPointF(90, 84), QPointF(12, 84)}));
        front.closeSubpath();
        IconKit::outlined(painter, front, Amber);
    });
}

} // namespace ToolIcons
