#include "Matte.h"

#include <gtest/gtest.h>

namespace
{

TEST(Matte, HalfOpaqueIsTheLineBetweenGroundAndPicture)
{
    const QColor matte(0, 0, 0);
    const QColor ground(255, 255, 255);
    const struct {
        QRgb drawn;
        QRgb expected;
    } cases[] = {
        {qRgba(200, 100, 50, 0), qRgb(255, 255, 255)}, // clear: ground
        {qRgba(200, 100, 50, 127), qRgb(255, 255, 255)}, // mostly clear: still ground
        {qRgba(200, 100, 50, 128), qRgb(100, 50, 25)}, // mostly opaque: over the matte
        {qRgba(200, 100, 50, 255), qRgb(200, 100, 50)}, // opaque: unchanged
    };
    for (const auto &row : cases) {
        QImage drawing(1, 1, QImage::Format_ARGB32);
        drawing.setPixel(0, 0, row.drawn);
        EXPECT_EQ(Matte::flatten(drawing, matte, ground).pixel(0, 0), row.expected) << qAlpha(row.drawn);
    }
    QImage clear(1, 1, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    EXPECT_EQ(qAlpha(Matte::flatten(clear, matte, Qt::transparent).pixel(0, 0)), 0);
}

} // namespace
