#pragma once

#include <QImage>
#include <QPointF>

#include <optional>

class QPainter;

// A hand seen from above as it rests on the keys: back of the hand, fingers pointing away.
namespace HandPainter
{

enum class Finger { Little, Ring, Middle, Index, Thumb };

// Draws the hand in an 80 x 90 box at the painter's origin. The raised finger, if any, is
// longer and coloured.
void drawHand(QPainter &painter, bool leftHand, std::optional<Finger> raised);

// Where a resting finger's tip is in that box, for placing the hand on a key.
QPointF fingertip(bool leftHand, Finger finger);

// The pointer picture for a finger number (0 right little to 4 right thumb, 5 left little to
// 9 left thumb): the hand on pure white, and no pixel of the hand itself pure white, because
// the pointer maker turns exactly that colour transparent.
QImage fingerPicture(int fingerNumber);

} // namespace HandPainter
