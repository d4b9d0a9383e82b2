#include "PointerPictures.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>

using PointerPictures::BlackOnWhite;
using PointerPictures::CursorFromPicture;

namespace
{

constexpr QRgb White = qRgb(255, 255, 255);

QImage whitePicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

qsizetype transparentPixels(const QImage &pointer)
{
    const auto *pixels = reinterpret_cast<const QRgb *>(pointer.constBits());
    return std::count_if(pixels, pixels + pointer.width() * pointer.height(), [](QRgb p) {
        return qAlpha(p) == 0;
    });
}

} // namespace

TEST(CursorFromPicture, OnlyTheExactTransparentColourBecomesTransparent)
{
    // Left half the finger pictures' white ground, right half one step off it.
    QImage hand = whitePicture({100, 100});
    QPainter(&hand).fillRect(50, 0, 50, 100, QColor(254, 255, 255));
    const QImage pointer = CursorFromPicture(hand, 0, 0, BlackOnWhite, White);
    ASSERT_EQ(pointer.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(pointer.pixel(15, 9)), 0);
    EXPECT_EQ(pointer.pixel(16, 9), qRgb(254, 255, 255));
    EXPECT_EQ(transparentPixels(pointer), 16 * 32);
    EXPECT_EQ(transparentPixels(CursorFromPicture(hand, 0, 0, BlackOnWhite)), 0); // no transparent colour
}

TEST(CursorFromPicture, SizeZeroMeans32AndANullPictureGivesAnEmptyPointer)
{
    QImage dark(80, 90, QImage::Format_RGB32);
    dark.fill(qRgb(10, 20, 30));
    dark = dark.convertToFormat(QImage::Format_Indexed8); // a palette picture, as PNG files may be
    const struct {
        QImage source;
        int width, height;
        QSize size;
        qsizetype transparent;
    } rows[] = {
        {dark, 48, 0, {48, 32}, 0}, {dark, 64, 100, {64, 100}, 0}, // enlarged
        {QImage(), 0, 0, {32, 32}, 32 * 32}, {QImage(), 16, 0, {16, 32}, 16 * 32},
        {dark, -1, 0, {0, 0}, 0}, // no such pointer: a null image
    };
    for (const auto &row : rows) {
        const QImage pointer = CursorFromPicture(row.source, row.width, row.height, BlackOnWhite, White);
        EXPECT_EQ(pointer.size(), row.size) << row.width << "x" << row.height;
        EXPECT_EQ(transparentPixels(pointer), row.transparent) << row.width << "x" << row.height;
    }
}

TEST(CursorFromPicture, ShrinkingLetsDarkPixelsWinSoThinLinesSurvive)
{
    // One-pixel lines at 51, which a 32-pixel nearest-pixel shrink skips (it takes 50 and 53).
    QImage grid = whitePicture({100, 100});
    QPainter(&grid).fillRect(51, 0, 1, 100, Qt::black);
    QPainter(&grid).fillRect(0, 51, 100, 1, Qt::black);
    const QImage darkWins = CursorFromPicture(grid, 0, 0, BlackOnWhite, White);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(darkWins.pixel(16, i), qRgb(0, 0, 0)) << i;
        EXPECT_EQ(darkWins.pixel(i, 16), qRgb(0, 0, 0)) << i;
    }
    EXPECT_EQ(transparentPixels(darkWins), 31 * 31);
    EXPECT_EQ(transparentPixels(CursorFromPicture(grid, 0, 0, PointerPictures::NearestPixel, White)), 32 * 32);
}

TEST(CursorFromPicture, APicturesOwnTransparencyIsKept)
{
    QImage half(40, 40, QImage::Format_ARGB32_Premultiplied);
    half.fill(Qt::transparent);
    QPainter(&half).fillRect(0, 0, 20, 40, QColor(200, 0, 0));
    const QImage pointer = CursorFromPicture(half, 0, 0, BlackOnWhite);
    EXPECT_EQ(pointer.pixel(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(transparentPixels(pointer), 16 * 32);
}
