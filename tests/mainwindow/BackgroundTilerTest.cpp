#include "BackgroundTiler.h"

#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

using BackgroundTiler::TileBitmap;

namespace
{

// Every pixel of the tile different, so a misplaced copy shows.
QImage numberedTile(QSize size)
{
    QImage tile(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            tile.setPixel(x, y, qRgb(x, y, 77));
        }
    }
    return tile;
}

// Where image differs from copies of tile at every (w, h) step from the corner, or (-1, -1).
QPoint firstMisplacedPixel(const QImage &image, const QImage &tile)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != tile.pixel(x % tile.width(), y % tile.height())) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

} // namespace

TEST(TileBitmap, CopiesStartAtTheCornerAndAreCutAtTheEdges)
{
    const std::pair<QSize, QSize> rows[] = {
        {{100, 80}, {640, 480}}, // the last column is cut at 640; the row at 480 is wholly outside
        {{100, 80}, {50, 30}}, // smaller than one tile
        {{1, 1}, {7, 3}},
    };
    for (const auto &[tileSize, area] : rows) {
        const QImage tile = numberedTile(tileSize);
        const QImage tiled = TileBitmap(tile, area);
        EXPECT_EQ(tiled.size(), area);
        EXPECT_EQ(firstMisplacedPixel(tiled, tile), QPoint(-1, -1)) << area.width() << "x" << area.height();
    }
    EXPECT_TRUE(TileBitmap(QImage(), {640, 480}).isNull());
    EXPECT_TRUE(TileBitmap(numberedTile({100, 80}), {0, 480}).isNull());
}

TEST(TileBitmap, WidgetGetsTheTiledBackgroundOnlyFromAPictureThatIsThere)
{
    QTemporaryDir folder;
    const QImage tile = numberedTile({100, 80});
    ASSERT_TRUE(tile.save(folder.filePath(QStringLiteral("fondo.png"))));
    QWidget window;
    window.resize(640, 480);
    const QBrush before = window.palette().window();

    BackgroundTiler::tileBackground(window, folder.filePath(QStringLiteral("fondo.jpg")));
    EXPECT_EQ(window.palette().window(), before);
    EXPECT_FALSE(window.autoFillBackground());

    BackgroundTiler::tileBackground(window, folder.filePath(QStringLiteral("fondo.png")));
    // grab() paints the widget afresh, as uncovering it would.
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(firstMisplacedPixel(shown, tile), QPoint(-1, -1));
}
