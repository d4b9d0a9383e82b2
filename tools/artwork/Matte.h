#pragma once

#include <QColor>
#include <QImage>

// Turns a smoothly drawn picture with soft edges into one with a hard edge, for formats and
// users that only know "this colour is see-through" (GIF, and the finger pointers' white).
namespace Matte
{

// Pixels at least half opaque are laid over matte and become opaque; the others become ground,
// which may itself be transparent. Choosing the colour that will be behind the edge as matte
// keeps the edge smooth to the eye.
QImage flatten(const QImage &drawing, const QColor &matte, const QColor &ground);

} // namespace Matte
