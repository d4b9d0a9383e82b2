#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class QPainter;
class QRectF;

// Keys: the two key pictures of the drawn keyboard, and a keycap for the larger scenes.
namespace KeyPainter
{

// Black arrows on the magenta ground the keyboard's picture keys carry.
QImage enterKey();
QImage shiftKey();

// A raised keycap filling rect, its top face in colour, with an optional capital on it.
void drawKeycap(QPainter &painter, const QRectF &rect, const QColor &colour, const QString &label = QString());

} // namespace KeyPainter
