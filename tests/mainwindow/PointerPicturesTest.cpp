#include "PointerPictures.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>

using namespace PointerPictures;

namespace
{

constexpr QRgb White = qRgb(255, 255, 255);

QImage picture(QSize size, QColor ground, QRect patch, QColor colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.fill(ground);
    QPainter(&image).fillRect(patch, colour);
    return image;
}

qsizetype seeThroughPixels(const QImage &pointer)
{
    const auto *pixels = reinterpret_cast<const QRgb *>(pointer.constBits());
    return std::count_if(pixels, pixels + pointer.width() * pointer.height(), [](QRgb p) {
        return qAlpha(p) == 0;
    });
}

} // namespace

TEST(CursorFromPicture, StretchesAnyPictureAndMakesExactlyTheTransparentColourSeeThrough)
{
    // Right half one step off the finger pictures' white ground.
    const QImage hand = picture({100, 100}, White, {50, 0, 50, 100}, QColor(254, 255, 255));
    // One-pixel lines at 51, which a 32-pixel nearest-pixel shrink skips (it takes 50 and 53).
    QImage grid = picture({100, 100}, White, {51, 0, 1, 100}, Qt::black);
    QPainter(&grid).fillRect(0, 51, 100, 1, Qt::black);
    const QImage half
        = picture({40, 40}, Qt::transparent, {0, 0, 20, 40}, QColor(200, 0, 0), QImage::Format_ARGB32_Premultiplied);
    const QImage dark = picture({80, 90}, QColor(10, 20, 30), {}, {}).convertToFormat(QImage::Format_Indexed8);
    const struct {
        const char *name;
        QImage source;
        int width, height, mode;
        std::optional<QRgb> transparent;
        QSize size;
        qsizetype seeThrough; // pixels
        QPoint at;
        QRgb colour; // at that pixel
    } rows[] = {
        {"only the exact colour", hand, 0, 0, BlackOnWhite, White, {32, 32}, 16 * 32, {16, 9}, qRgb(254, 255, 255)},
        {"no transparent colour", hand, 0, 0, BlackOnWhite, {}, {32, 32}, 0, {0, 0}, White},
        {"dark wins when shrinking", grid, 0, 0, BlackOnWhite, White, {32, 32}, 31 * 31, {16, 0}, qRgb(0, 0, 0)},
        {"nearest pixel", grid, 0, 0, NearestPixel, White, {32, 32}, 32 * 32, {16, 0}, 0},
        {"the picture's own transparency", half, 0, 0, BlackOnWhite, {}, {32, 32}, 16 * 32, {0, 0}, qRgb(200, 0, 0)},
        {"enlarged palette picture", dark, 48, 0, BlackOnWhite, White, {48, 32}, 0, {47, 0}, qRgb(10, 20, 30)},
        {"enlarged both ways", dark, 64, 100, BlackOnWhite, White, {64, 100}, 0, {0, 99}, qRgb(10, 20, 30)},
        {"null picture", QImage(), 16, 0, BlackOnWhite, White, {16, 32}, 16 * 32, {15, 31}, 0},
    };
    for (const auto &row : rows) {
        const QImage pointer = CursorFromPicture(row.source, row.width, row.height, row.mode, row.transparent);
        EXPECT_EQ(pointer.size(), row.size) << row.name;
        EXPECT_EQ(seeThroughPixels(pointer), row.seeThrough) << row.name;
        EXPECT_EQ(pointer.pixel(row.at), row.colour) << row.name;
    }
    EXPECT_TRUE(CursorFromPicture(dark, -1, 0, BlackOnWhite).isNull()); // no such pointer
}
