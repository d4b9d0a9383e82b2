// Run by run-under-xvfb.sh as a client of an X server, at the scale the environment sets: a judged
// character reaches the screen before its pane repaints, and the repaint that follows leaves the
// pane exactly as it paints itself.
#include "OnScreen.h"
#include "PaintCounter.h"
#include "RichTextPane.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

const QColor PureBlue(0, 0, 255);

// Where the picture is drawn in (nearly) pure blue, and how many pixels.
struct Blue {
    QRect bounds;
    int pixels = 0;
};

Blue blueIn(const QImage &image)
{
    Blue blue;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qBlue(pixel) > 200 && qRed(pixel) < 80 && qGreen(pixel) < 80) {
                blue.bounds |= QRect(x, y, 1, 1);
                ++blue.pixels;
            }
        }
    }
    return blue;
}

// Waits until the X server has handled everything the program has sent it: another client's
// reading of the screen may otherwise come first.
void serverCaughtUp()
{
    xcb_connection_t *connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

} // namespace

TEST(GlyphAhead, TheJudgedCharacterShowsBeforeThePaneRepaintsAndNothingOfItStaysBehind)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    // A caret that blinks would make the screen and the pane's own picture differ by turns.
    QApplication::setCursorFlashTime(0);
    QWidget window;
    // Inside the screen at twice the scale as well: only what shows on it can be read back.
    window.resize(560, 200);
    RichTextPane pane(&window);
    pane.setGeometry(10, 10, 540, 180);
    pane.setText(QStringLiteral("fj jf\r\nff jj"));
    {
        const RichTextPane::Batch big(pane);
        pane.setSelStart(0);
        pane.setSelLength(pane.length());
        pane.setSelFontSize(36);
        pane.setSelStart(0);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWidget &view = *pane.viewport();
    const QRect viewOnWindow(view.mapTo(&window, QPoint()), view.size());
    const auto screenShowsThePane = [&] {
        return QTest::qWaitFor([&] {
            return onScreen(window, viewOnWindow) == view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        });
    };
    ASSERT_TRUE(screenShowsThePane());
    const QRect firstLine(viewOnWindow.topLeft(), QSize(viewOnWindow.width(), 60));
    ASSERT_EQ(blueIn(onScreen(window, firstLine)).pixels, 0);

    // The right "f": on the screen in blue at once, with no repaint of the pane.
    const PaintCounter paints(pane.viewport());
    pane.showAhead(0, QLatin1Char('f'), PureBlue, true);
    serverCaughtUp();
    const Blue ahead = blueIn(onScreen(window, firstLine));
    EXPECT_GT(ahead.pixels, 30);
    EXPECT_EQ(paints.paints, 0);
    // The change itself follows, and its repaint leaves the pane as it paints itself.
    {
        const RichTextPane::Batch change(pane);
        pane.setSelStart(0);
        pane.setSelLength(1);
        pane.setSelBold(true);
        pane.setSelColor(PureBlue);
        pane.overtype(QLatin1Char('f'));
    }
    pane.showNow();
    EXPECT_TRUE(screenShowsThePane());
    // Key after key along the second line, each over pixels the one before has just sent, nothing
    // stale stays behind.
    for (int position = 7; position < pane.length(); ++position) {
        const QChar typed = pane.text().at(position);
        pane.showAhead(position, typed, PureBlue, true);
        {
            const RichTextPane::Batch change(pane);
            pane.setSelStart(position);
            pane.setSelLength(1);
            pane.setSelBold(true);
            pane.setSelColor(PureBlue);
            pane.overtype(typed);
        }
        pane.showNow();
        QApplication::processEvents();
    }
    EXPECT_TRUE(screenShowsThePane());
    // The glyph shown ahead stood where the repaint drew it: the same left edge and baseline. Drawn
    // on its own it may come out a little taller than in the pane's line.
    const Blue repainted = blueIn(onScreen(window, firstLine));
    const int tolerance = 2 * window.devicePixelRatio();
    EXPECT_TRUE(repainted.bounds.adjusted(-1, -tolerance, 1, 1).contains(ahead.bounds))
        << "ahead " << QTest::toString(ahead.bounds) << ", repainted " << QTest::toString(repainted.bounds);

    // A look prepared before its key draws nothing on the screen; its key shows it as any other.
    pane.prepareAhead(3, QStringLiteral("fj"), PureBlue, true);
    serverCaughtUp();
    EXPECT_EQ(blueIn(onScreen(window, firstLine)).pixels, repainted.pixels);
    pane.showAhead(3, QLatin1Char('j'), PureBlue, true);
    serverCaughtUp();
    EXPECT_GT(blueIn(onScreen(window, firstLine)).pixels, repainted.pixels + 30);

    // Where another widget lies over the character, nothing is drawn over that widget.
    QWidget cover(&window);
    cover.setAutoFillBackground(true);
    cover.setPalette(QPalette(QColor(200, 0, 0)));
    cover.setGeometry(QRect(firstLine.topLeft(), QSize(120, 60)));
    cover.show();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return onScreen(window, cover.geometry()).pixel(0, 0) == qRgb(200, 0, 0);
    }));
    const QImage covered = onScreen(window, cover.geometry());
    pane.showAhead(1, QLatin1Char('j'), PureBlue, true);
    serverCaughtUp();
    EXPECT_EQ(onScreen(window, cover.geometry()), covered);
}
