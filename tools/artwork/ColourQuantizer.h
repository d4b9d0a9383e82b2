#pragma once

#include <QList>
#include <QRgb>

#include <map>

// Picks the palette of a GIF. A picture that already fits keeps its exact colours; a larger one
// is cut down by median cut, so smooth gradients keep evenly spaced steps.
namespace ColourQuantizer
{

// Pixel count of each opaque colour (alpha ignored). An ordered map keeps the palette the same
// from run to run, which the committed artwork depends on.
using Histogram = std::map<QRgb, qint64>;

// At most maxColours colours, in a stable order.
QList<QRgb> palette(const Histogram &histogram, int maxColours);

// The index of the palette colour closest to colour.
int nearest(const QList<QRgb> &palette, QRgb colour);

} // namespace ColourQuantizer
