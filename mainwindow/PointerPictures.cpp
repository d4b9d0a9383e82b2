#include "PointerPictures.h"

#include <algorithm>
#include <vector>

namespace PointerPictures
{

namespace
{

// RGB32 and ARGB32 share one pixel layout (RGB32 with its alpha always full), so both are read
// as they are; anything else is converted once, here. Alpha is kept unmultiplied so that
// combining pixels with AND never gives a colour brighter than its own alpha allows.
QImage readable(const QImage &picture)
{
    if (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32) {
        return picture;
    }
    return picture.convertToFormat(QImage::Format_ARGB32);
}

const QRgb *sourceRow(const QImage &image, int y)
{
    return reinterpret_cast<const QRgb *>(image.constScanLine(y));
}

// The source columns (or rows) that merge into each target column: target i takes the source
// from edges[i] to edges[i + 1], at least one of them. Enlarging repeats source pixels.
std::vector<int> mergedSpans(int sourceLength, int targetLength)
{
    std::vector<int> edges(targetLength + 1);
    for (int i = 0; i <= targetLength; ++i) {
        edges[i] = static_cast<int>(qint64(i) * sourceLength / targetLength);
    }
    return edges;
}

int spanEnd(const std::vector<int> &edges, int i)
{
    return std::max(edges[i] + 1, edges[i + 1]);
}

void stretchDarkWins(const QImage &source, QImage &target)
{
    const std::vector<int> columns = mergedSpans(source.width(), target.width());
    const std::vector<int> rows = mergedSpans(source.height(), target.height());
    for (int ty = 0; ty < target.height(); ++ty) {
        auto *out = reinterpret_cast<QRgb *>(target.scanLine(ty));
        std::fill(out, out + target.width(), ~QRgb(0));
        for (int sy = rows[ty]; sy < spanEnd(rows, ty); ++sy) {
            const QRgb *in = sourceRow(source, sy);
            for (int tx = 0; tx < target.width(); ++tx) {
                for (int sx = columns[tx]; sx < spanEnd(columns, tx); ++sx) {
                    out[tx] &= in[sx];
                }
            }
        }
    }
}

void stretchNearest(const QImage &source, QImage &target)
{
    const std::vector<int> columns = mergedSpans(source.width(), target.width());
    const std::vector<int> rows = mergedSpans(source.height(), target.height());
    for (int ty = 0; ty < target.height(); ++ty) {
        auto *out = reinterpret_cast<QRgb *>(target.scanLine(ty));
        const QRgb *in = sourceRow(source, rows[ty]);
        for (int tx = 0; tx < target.width(); ++tx) {
            out[tx] = in[columns[tx]];
        }
    }
}

void clearColour(QImage &image, QRgb colour)
{
    constexpr QRgb ColourBits = 0x00ffffff;
    const QRgb key = colour & ColourBits;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::replace_if(
            line, line + image.width(),
            [key](QRgb pixel) {
                return (pixel & ColourBits) == key;
            },
            QRgb(0));
    }
}

} // namespace

QImage CursorFromPicture(const QImage &picture, int width, int height, int stretchMode, std::optional<QRgb> transparent)
{
    const int w = width == 0 ? DefaultSize : width;
    const int h = height == 0 ? DefaultSize : height;
    if (w < 0 || h < 0) {
        return {};
    }
    QImage pointer(w, h, QImage::Format_ARGB32);
    if (pointer.isNull()) {
        return {};
    }
    const QImage source = readable(picture);
    if (source.isNull()) {
        pointer.fill(Qt::transparent);
        return pointer;
    }
    if (stretchMode == BlackOnWhite) {
        stretchDarkWins(source, pointer);
    } else {
        stretchNearest(source, pointer);
    }
    if (transparent) {
        clearColour(pointer, *transparent);
    }
    return pointer;
}

} // namespace PointerPictures
