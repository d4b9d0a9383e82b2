#include "PaperTexture.h"

#include "ArtStyle.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr int Size = 256;

// A fixed integer hash in place of a random generator: the paper must come out the same
// on every run.
quint32 hash(quint32 x, quint32 y, quint32 seed)
{
    quint32 h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

// Smooth value noise in [-1, 1] on a lattice of cells × cells that wraps around the tile, so
// the right edge continues into the left one and the bottom into the top.
double wrappingNoise(double x, double y, int cells, quint32 seed)
{
    const double cell = double(Size) / cells;
    const double fx = x / cell;
    const double fy = y / cell;
    const int x0 = int(std::floor(fx));
    const int y0 = int(std::floor(fy));
    const auto corner = [&](int cx, int cy) {
        const auto wrapped = [cells](int v) {
            return quint32(((v % cells) + cells) % cells);
        };
        return hash(wrapped(cx), wrapped(cy), seed) / 2147483647.5 - 1;
    };
    const auto smooth = [](double t) {
        return t * t * (3 - 2 * t);
    };
    const double tx = smooth(fx - x0);
    const double ty = smooth(fy - y0);
    const double top = corner(x0, y0) + (corner(x0 + 1, y0) - corner(x0, y0)) * tx;
    const double bottom = corner(x0, y0 + 1) + (corner(x0 + 1, y0 + 1) - corner(x0, y0 + 1)) * tx;
    return top + (bottom - top) * ty;
}

} // namespace

namespace PaperTexture
{

QImage tile()
{
    QImage image(Size, Size, QImage::Format_RGB32);
    const QColor paper = ArtStyle::Paper;
    for (int y = 0; y < Size; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < Size; ++x) {
            // Broad, faint clouds with a little finer mottling: enough to feel like paper,
            // too little to disturb text.
            const double clouds = 0.35 * wrappingNoise(x, y, 4, 1) + 0.35 * wrappingNoise(x, y, 8, 2)
                + 0.25 * wrappingNoise(x, y, 32, 3) + 0.15 * wrappingNoise(x, y, 64, 4);
            const double shift = 4.5 * clouds;
            const auto channel = [shift](int base, double weight) {
                return std::clamp(int(std::lround(base + shift * weight)), 0, 255);
            };
            line[x] = qRgb(channel(paper.red(), 0.8), channel(paper.green(), 1.0), channel(paper.blue(), 1.3));
        }
    }
    return image;
}

} // namespace PaperTexture
