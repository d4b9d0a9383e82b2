// Run by run-under-xvfb.sh as a client of an X server, at the scale the environment sets: an
// animation's frames reach the window straight from the server, without repaints, and exactly
// as a repaint would have drawn them.
#include "AnimatedPicture.h"
#include "OnScreen.h"
#include "PaintCounter.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QSet>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

namespace
{

const QColor Backdrop(0, 120, 0);

// Every frame of the line as the animation lays it over a plain backdrop.
QList<QImage> framesOverBackdrop(const QString &gifPath, const QSize &size, qreal ratio)
{
    QList<QImage> frames;
    QImageReader reader(gifPath);
    for (QImage picture = reader.read(); !picture.isNull(); picture = reader.read()) {
        QImage backdrop(size * ratio, QImage::Format_ARGB32_Premultiplied);
        backdrop.setDevicePixelRatio(ratio);
        backdrop.fill(Backdrop);
        QPixmap laid = QPixmap::fromImage(backdrop);
        QPainter painter(&laid);
        painter.drawPixmap(QRect(QPoint(), size), QPixmap::fromImage(picture.scaled(size)));
        painter.end();
        frames.append(laid.toImage().convertToFormat(QImage::Format_RGB32));
    }
    return frames;
}

} // namespace

TEST(ServerFrames, FramesReachTheWindowWithoutRepaintsUnlessSomethingCoversThem)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    const QString gif = QStringLiteral(TECLORA_DATA_DIR "/gifs/linea.gif");
    QWidget window;
    window.resize(600, 200);
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(Backdrop));
    AnimatedPicture line(&window);
    const QRect place(50, 40, 402, 17);
    line.setGeometry(place);
    line.play(gif);
    const PaintCounter paints(&line);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return line.paintsOpaque();
    }));
    const QList<QImage> expected = framesOverBackdrop(gif, place.size(), line.devicePixelRatioF());
    ASSERT_GT(expected.size(), 2);

    // The line moves on screen through all its frames, each shown whole, with no repaint.
    const int paintedBefore = paints.paints;
    QSet<int> shown;
    for (int look = 0; look < 60 && shown.size() < expected.size(); ++look) {
        QTest::qWait(37);
        const int index = expected.indexOf(onScreen(window, place));
        EXPECT_GE(index, 0) << "look " << look << " found no frame of the line where it lies";
        shown.insert(index);
    }
    EXPECT_EQ(shown.size(), expected.size());
    EXPECT_EQ(paints.paints, paintedBefore);

    // Once the server holds every frame, they play on by themselves: the line moves on screen
    // while the program is busy and handles no event.
    const auto framesShownWhileBusy = [&] {
        QSet<int> busyShown;
        for (int look = 0; look < 6; ++look) {
            QThread::msleep(45);
            busyShown.insert(expected.indexOf(onScreen(window, place)));
        }
        return busyShown.contains(-1) ? 0 : busyShown.size();
    };
    QTest::qWait(100);
    EXPECT_GT(framesShownWhileBusy(), 3);
    EXPECT_EQ(paints.paints, paintedBefore);
    // A repaint of the line takes the frames back for it; they play on by themselves again once
    // a frame has passed with no paint near them.
    line.repaint();
    EXPECT_GT(paints.paints, paintedBefore);
    QTest::qWait(150);
    EXPECT_GT(framesShownWhileBusy(), 3);

    // A widget laid over part of the line keeps its pixels: the line is repainted around it.
    QWidget cover(&window);
    cover.setGeometry(place.x() + 100, place.y() - 5, 30, place.height() + 10);
    cover.setAutoFillBackground(true);
    cover.setPalette(QPalette(QColor(200, 0, 0)));
    cover.show();
    const int paintedWhileCovered = paints.paints;
    for (int look = 0; look < 8; ++look) {
        QTest::qWait(45);
        const QImage covered = onScreen(window, cover.geometry());
        EXPECT_EQ(covered.pixel(covered.rect().center()), qRgb(200, 0, 0)) << "look " << look;
    }
    EXPECT_GT(paints.paints, paintedWhileCovered + 2);

    window.hide();
    EXPECT_FALSE(line.isRunning());
}
