#include "GifWriter.h"

#include "ColourQuantizer.h"
#include "LzwEncoder.h"

#include <QHash>

namespace
{

constexpr int MaxPaletteSize = 256;

bool isTransparent(QRgb pixel)
{
    return qAlpha(pixel) < 128;
}

void putWord(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// Bits per index: the table must hold a power of two entries, at least two.
int tableBits(int colourCount)
{
    int bits = 1;
    while ((1 << bits) < colourCount) {
        ++bits;
    }
    return bits;
}

struct Palette {
    QList<QRgb> colours;
    int transparentIndex = -1;
};

Palette choosePalette(const QList<QImage> &frames)
{
    ColourQuantizer::Histogram histogram;
    bool anyTransparent = false;
    for (const QImage &frame : frames) {
        for (int y = 0; y < frame.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                if (isTransparent(line[x])) {
                    anyTransparent = true;
                } else {
                    ++histogram[line[x] | 0xff000000u];
                }
            }
        }
    }
    Palette palette;
    palette.colours = ColourQuantizer::palette(histogram, anyTransparent ? MaxPaletteSize - 1 : MaxPaletteSize);
    if (anyTransparent) {
        palette.transparentIndex = palette.colours.size();
        palette.colours.append(qRgb(0, 0, 0));
    }
    return palette;
}

QByteArray indicesOf(const QImage &frame, const Palette &palette, QHash<QRgb, int> &known)
{
    QByteArray indices;
    indices.reserve(qsizetype(frame.width()) * frame.height());
    for (int y = 0; y < frame.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if (isTransparent(line[x])) {
                indices.append(char(palette.transparentIndex));
                continue;
            }
            const QRgb colour = line[x] | 0xff000000u;
            auto found = known.constFind(colour);
            if (found == known.constEnd()) {
                found = known.insert(colour, ColourQuantizer::nearest(palette.colours, colour));
            }
            indices.append(char(*found));
        }
    }
    return indices;
}

void putHeader(QByteArray &out, QSize size, const Palette &palette, int bits)
{
    out.append("GIF89a");
    putWord(out, size.width());
    putWord(out, size.height());
    // A global table of 2^bits entries, full 8-bit colour resolution.
    out.append(char(0x80 | (7 << 4) | (bits - 1)));
    // The background is the transparent index, so a frame cleared before the next one is drawn
    // leaves nothing behind.
    out.append(char(std::max(palette.transparentIndex, 0)));
    out.append('\0');
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb colour = i < palette.colours.size() ? palette.colours[i] : qRgb(0, 0, 0);
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
}

void putLoopForever(QByteArray &out)
{
    out.append("\x21\xff\x0b", 3);
    out.append("NETSCAPE2.0");
    out.append("\x03\x01\x00\x00\x00", 5);
}

void putFrameControl(QByteArray &out, int delayCs, int transparentIndex)
{
    out.append("\x21\xf9\x04", 3);
    // Every frame covers the whole picture; with transparency the previous frame must be cleared
    // (disposal 2), or it would show through the holes of the next.
    const bool transparent = transparentIndex >= 0;
    out.append(char(transparent ? (2 << 2) | 1 : 1 << 2));
    putWord(out, delayCs);
    out.append(char(transparent ? transparentIndex : 0));
    out.append('\0');
}

void putImage(QByteArray &out, QSize size, const QByteArray &indices, int bits)
{
    out.append('\x2c');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, size.width());
    putWord(out, size.height());
    out.append('\0');
    const int minCodeSize = std::max(bits, 2);
    out.append(char(minCodeSize));
    const QByteArray codes = LzwEncoder::encode(indices, minCodeSize);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, codes.size() - at);
        out.append(char(length));
        out.append(codes.constData() + at, length);
    }
    out.append('\0');
}

} // namespace

bool GifWriter::addFrame(const QImage &frame, int delayMs)
{
    if (frame.isNull() || (!frames.isEmpty() && frame.size() != frames.first().size())) {
        return false;
    }
    frames.append(frame.convertToFormat(QImage::Format_ARGB32));
    delaysCs.append(std::max(0, (delayMs + 5) / 10));
    return true;
}

QByteArray GifWriter::encode() const
{
    if (frames.isEmpty()) {
        return {};
    }
    const QSize size = frames.first().size();
    const Palette palette = choosePalette(frames);
    const int bits = tableBits(palette.colours.size());
    QByteArray out;
    putHeader(out, size, palette, bits);
    if (frames.size() > 1) {
        putLoopForever(out);
    }
    QHash<QRgb, int> known;
    for (int i = 0; i < frames.size(); ++i) {
        putFrameControl(out, delaysCs[i], palette.transparentIndex);
        putImage(out, size, indicesOf(frames[i], palette, known), bits);
    }
    out.append('\x3b');
    return out;
}
