#pragma once

#include <QImage>

#include <optional>

// Makes mouse-pointer pictures out of ordinary pictures: the finger pictures become the pointer
// over the drawn keyboard.
namespace PointerPictures
{

// Stretch modes. When shrinking, BlackOnWhite combines the pixels that merge into one with AND,
// so thin dark outlines survive; any other mode takes the nearest pixel.
constexpr int BlackOnWhite = 1;
constexpr int NearestPixel = 3;
constexpr int DefaultSize = 32;

// The pointer picture for picture stretched to width x height (0 meaning DefaultSize), with
// every pixel that has exactly the transparent colour made fully transparent. Colours only near
// it stay, and without a transparent colour the whole picture is opaque; transparency of the
// picture's own is kept. A null picture gives a wholly transparent pointer. Returns a null image
// when no pointer of that size can be made (a negative size, or no memory for it). The result
// is in QImage::Format_ARGB32; its hot spot is meant to be the top-left pixel.
QImage CursorFromPicture(
    const QImage &picture, int width, int height, int stretchMode, std::optional<QRgb> transparent = std::nullopt);

} // namespace PointerPictures
