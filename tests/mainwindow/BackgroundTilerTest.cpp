#include "BackgroundTiler.h"

#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

using BackgroundTiler::TileBitmap;

namespace
{

// An area covered with copies of a tile whose every pixel differs, so a misplaced copy shows;
// numbered(size, size) is the tile itself.
QImage numbered(QSize area, QSize tile)
{
    QImage image(area, QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            image.setPixel(x, y, qRgb(x % tile.width(), y % tile.height(), 77));
        }
    }
    return image;
}

} // namespace

TEST(TileBitmap, CopiesStartAtTheCornerAreCutAtTheEdgesAndComeOnlyFromAPictureThatIsThere)
{
    const std::pair<QSize, QSize> rows[] = {
        {{100, 80}, {640, 480}}, // the last column is cut at 640; the row at 480 is wholly outside
        {{100, 80}, {50, 30}}, // smaller than one tile
        {{1, 1}, {7, 3}},
    };
    for (const auto &[tile, area] : rows) {
        QWidget form;
        form.resize(area);
        TileBitmap(form, numbered(tile, tile));
        // grab() paints the widget afresh, as uncovering it would.
        EXPECT_TRUE(form.grab().toImage().convertToFormat(QImage::Format_RGB32) == numbered(area, tile))
            << area.width();
    }

    // A widget gets the tiled background only from a picture that is there.
    QTemporaryDir folder;
    ASSERT_TRUE(numbered({100, 80}, {100, 80}).save(folder.filePath(QStringLiteral("fondo.png"))));
    QWidget window;
    window.resize(640, 480);
    const QBrush before = window.palette().window();

    BackgroundTiler::tileBackground(window, folder.filePath(QStringLiteral("fondo.jpg")));
    TileBitmap(window, QImage());
    EXPECT_EQ(window.palette().window(), before);

    BackgroundTiler::tileBackground(window, folder.filePath(QStringLiteral("fondo.png")));
    window.resize(700, 500);
    EXPECT_TRUE(window.grab().toImage().convertToFormat(QImage::Format_RGB32) == numbered({700, 500}, {100, 80}));
}
