#include "GifWriter.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

#include <functional>

namespace
{

struct Decoded {
    QList<QImage> frames;
    QList<int> delaysMs;
    int loopCount = 0;
};

// Decoded by Qt's own GIF reader, the one that plays the pictures in the program.
Decoded decode(const QByteArray &gif)
{
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    Decoded decoded;
    decoded.loopCount = reader.loopCount();
    QImage frame;
    while (reader.read(&frame)) {
        decoded.frames.append(frame.convertToFormat(QImage::Format_ARGB32));
        decoded.delaysMs.append(reader.nextImageDelay());
    }
    return decoded;
}

QImage paint(QSize size, const std::function<QRgb(int, int)> &colourAt)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, colourAt(x, y));
        }
    }
    return image;
}

// 256 colours scattered so that LZW finds few repeats and its table fills up and starts over
// several times within one frame.
QImage noise(QSize size, quint32 seed)
{
    return paint(size, [&seed](int, int) {
        seed = seed * 1664525u + 1013904223u;
        const int index = int(seed >> 24);
        return qRgb(index, 255 - index, (index * 7) & 0xff);
    });
}

int largestChannelError(const QImage &expected, const QImage &actual)
{
    int largest = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = expected.pixel(x, y);
            const QRgb b = actual.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        }
    }
    return largest;
}

struct RoundTrip {
    const char *name;
    QList<QImage> frames;
    QList<int> delaysMs;
    int tolerance; // largest channel difference allowed after reading back
};

TEST(GifWriter, QtReadsBackFramesColoursAndDelays)
{
    const QSize small(5, 3);
    const QList<RoundTrip> cases = {
        {"single pixel",
            {paint({1, 1},
                [](int, int) {
                    return qRgb(12, 34, 56);
                })},
            {100}, 0},
        {"two colours, two frames",
            {paint(small,
                 [](int x, int) {
                     return x % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
                 }),
                paint(small,
                    [](int, int y) {
                        return y % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
                    })},
            {250, 40}, 0},
        {"a full palette in noise", {noise({150, 120}, 1), noise({150, 120}, 2)}, {60, 70}, 0},
        // 4096 colours have to share 256 entries; a smooth ramp must stay close to what was asked.
        {"more colours than fit",
            {paint({64, 64},
                [](int x, int y) {
                    return qRgb(x * 4, y * 4, 128);
                })},
            {100}, 8},
    };
    for (const RoundTrip &trip : cases) {
        SCOPED_TRACE(trip.name);
        GifWriter writer;
        for (int i = 0; i < trip.frames.size(); ++i) {
            ASSERT_TRUE(writer.addFrame(trip.frames[i], trip.delaysMs[i]));
        }
        const Decoded decoded = decode(writer.encode());
        ASSERT_EQ(decoded.frames.size(), trip.frames.size());
        EXPECT_EQ(decoded.delaysMs, trip.delaysMs);
        for (int i = 0; i < trip.frames.size(); ++i) {
            ASSERT_EQ(decoded.frames[i].size(), trip.frames[i].size());
            EXPECT_LE(largestChannelError(trip.frames[i], decoded.frames[i]), trip.tolerance) << "frame " << i;
        }
    }
}

TEST(GifWriter, AnimationsLoopForever)
{
    GifWriter writer;
    writer.addFrame(noise({4, 4}, 3), 100);
    writer.addFrame(noise({4, 4}, 4), 100);
    EXPECT_EQ(decode(writer.encode()).loopCount, -1);
}

TEST(GifWriter, ClearPixelsStayClearAndDoNotShowThePreviousFrame)
{
    const QImage full = paint({6, 6}, [](int, int) {
        return qRgb(0, 160, 0);
    });
    const QImage ring = paint({6, 6}, [](int x, int y) {
        const bool edge = x == 0 || y == 0 || x == 5 || y == 5;
        // Mostly clear counts as clear; mostly opaque loses its alpha.
        return edge ? qRgba(200, 0, 0, 200) : qRgba(0, 0, 0, 100);
    });
    GifWriter writer;
    writer.addFrame(full, 100);
    writer.addFrame(ring, 100);
    const Decoded decoded = decode(writer.encode());
    ASSERT_EQ(decoded.frames.size(), 2);
    EXPECT_EQ(decoded.frames[1].pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(qAlpha(decoded.frames[1].pixel(3, 3)), 0);
    EXPECT_EQ(decoded.frames[0].pixel(3, 3), qRgb(0, 160, 0));
}

TEST(GifWriter, RefusesFramesItCannotPlace)
{
    GifWriter writer;
    EXPECT_TRUE(writer.encode().isEmpty());
    EXPECT_FALSE(writer.addFrame(QImage(), 100));
    ASSERT_TRUE(writer.addFrame(noise({8, 8}, 5), 100));
    EXPECT_FALSE(writer.addFrame(noise({8, 9}, 6), 100));
    EXPECT_EQ(decode(writer.encode()).frames.size(), 1);
}

} // namespace
