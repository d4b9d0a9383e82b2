#include "BackgroundTiler.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
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

TEST(TileBitmap, WidgetsThatStopCoveringItShowTheCopiesWhereTheyBelong)
{
    // Two widgets side by side, of different heights and at odd places, repaint together, as the
    // key counter and the next character do on every key: each shows the part of the tiling it lies on.
    const QSize tile(100, 80);
    QWidget form;
    form.resize(400, 300);
    TileBitmap(form, numbered(tile, tile));
    QWidget left(&form);
    QWidget right(&form);
    left.setGeometry(37, 51, 57, 57);
    right.setGeometry(131, 43, 97, 150);
    for (QWidget *cover : {&left, &right}) {
        cover->setAutoFillBackground(true);
        cover->setPalette(QPalette(Qt::red));
    }
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (QWidget *cover : {&left, &right}) {
        cover->setAutoFillBackground(false);
        cover->update();
    }
    QApplication::processEvents();
    const QImage onScreen = form.screen()->grabWindow(form.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(onScreen.copy(left.geometry()) == numbered(form.size(), tile).copy(left.geometry()));
    EXPECT_TRUE(onScreen.copy(right.geometry()) == numbered(form.size(), tile).copy(right.geometry()));
}
