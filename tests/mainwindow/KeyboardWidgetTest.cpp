#include "KeyboardWidget.h"
#include "ScriptedClock.h"
#include "Twips.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace
{

constexpr double Dpi = 96;

QPoint centreOf(const QRect &twips)
{
    return Twips::toPixels(QRectF(twips), Dpi).center();
}

class KeyboardWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Finger f's picture is told by the red of its top-left corner, which the pointer keeps.
        ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("imagenes")));
        for (int finger = 0; finger < 10; ++finger) {
            QImage hand(80, 90, QImage::Format_RGB32);
            hand.fill(Qt::white);
            QPainter(&hand).fillRect(0, 0, 20, 20, QColor(finger * 20, 40, 60));
            ASSERT_TRUE(hand.save(data.filePath(QStringLiteral("imagenes/dedo%1.png").arg(finger))));
        }
        openKeyboard();
    }

    // The mouse reaches the top window under it, so there is only ever one keyboard.
    void openKeyboard()
    {
        keyboard.emplace(data.path(), clock, Dpi);
        keyboard->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*keyboard));
    }

    // The finger the pointer shows once the mouse moved to position, or -1 for the arrow.
    int fingerAt(QPoint position)
    {
        QTest::mouseMove(&*keyboard, position);
        if (keyboard->cursor().shape() != Qt::BitmapCursor) {
            return -1;
        }
        EXPECT_EQ(keyboard->cursor().hotSpot(), QPoint(0, 0));
        const QImage pointer = keyboard->cursor().pixmap().toImage();
        EXPECT_EQ(pointer.size(), QSize(32, 32));
        EXPECT_EQ(qAlpha(pointer.pixel(31, 31)), 0); // the white ground lets the screen through
        return qRed(pointer.pixel(0, 0)) / 20;
    }

    QTemporaryDir data;
    ScriptedClock clock;
    std::optional<KeyboardWidget> keyboard;
};

} // namespace

TEST_F(KeyboardWidgetTest, PointerOverAKeyIsTheFingerThatTypesItAndTheArrowElsewhere)
{
    const std::pair<int, int> keyFingers[] = {{0, 5}, {16, 8}, {19, 3}, {10, 0}, {23, 0}, {24, 0}, {35, 0}, {36, 5}};
    for (const auto &[key, finger] : keyFingers) {
        EXPECT_EQ(fingerAt(centreOf(KeyboardLayout::keys()[key].twips)), finger) << "key " << key;
    }
    const QPoint q = centreOf(KeyboardLayout::keys()[0].twips);
    EXPECT_EQ(fingerAt((q + centreOf(KeyboardLayout::keys()[1].twips)) / 2), -1); // between Q and W
    EXPECT_EQ(fingerAt(q), 5);
    EXPECT_EQ(fingerAt(centreOf(KeyboardLayout::frame(0))), -1);
    EXPECT_EQ(keyboard->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(clock.draws, 0);
}

TEST_F(KeyboardWidgetTest, SpaceBarTakesAThumbAtRandomOnEveryMove)
{
    clock.script({0.2, 0.7, 0.4999, 0.5});
    const QPoint space = centreOf(KeyboardLayout::keys()[KeyboardLayout::SpaceBar].twips);
    for (const int thumb : {4, 9, 4, 9}) {
        EXPECT_EQ(fingerAt(space + QPoint(clock.draws % 2, 0)), thumb) << "draw " << clock.draws;
    }
    EXPECT_EQ(clock.draws, 4);
}

TEST_F(KeyboardWidgetTest, MissingFingerPictureGivesAnEmptyPointer)
{
    ASSERT_TRUE(QFile::remove(data.filePath(QStringLiteral("imagenes/dedo5.png"))));
    openKeyboard();
    fingerAt(centreOf(KeyboardLayout::keys()[0].twips));
    const QImage pointer = keyboard->cursor().pixmap().toImage();
    EXPECT_EQ(qAlpha(pointer.pixel(0, 0)) + qAlpha(pointer.pixel(16, 16)), 0);
}

TEST_F(KeyboardWidgetTest, EnterAndShiftShowTheirPicturesWhenThereAreAny)
{
    QImage enter(98, 178, QImage::Format_RGB32);
    enter.fill(Qt::magenta);
    ASSERT_TRUE(enter.save(data.filePath(QStringLiteral("imagenes/intro.png"))));
    openKeyboard(); // mayus.png is missing
    const QImage shown = keyboard->grab().toImage();
    EXPECT_EQ(shown.pixel(centreOf(KeyboardLayout::keys()[KeyboardLayout::EnterKey].twips)), qRgb(255, 0, 255));
    EXPECT_EQ(shown.pixel(centreOf(KeyboardLayout::keys()[KeyboardLayout::ShiftKey].twips)), qRgb(192, 192, 255));
}

TEST_F(KeyboardWidgetTest, SetFrameColourRedrawsThatFrame)
{
    keyboard->setFrameColour(13, QColor(Qt::blue));
    keyboard->setFrameColour(36, QColor(Qt::green));
    keyboard->setFrameColour(38, QColor(Qt::red)); // no such frame
    QApplication::processEvents();
    // What the window shows now, not a fresh painting of it.
    const QImage shown = keyboard->screen()->grabWindow(keyboard->winId()).toImage();
    const auto border = [&](int frame) {
        const QRect rect = Twips::toPixels(QRectF(KeyboardLayout::frame(frame)), Dpi);
        return QColor(shown.pixel(rect.center().x(), rect.top() + 1));
    };
    EXPECT_EQ(border(13), QColor(Qt::blue));
    EXPECT_EQ(border(36), QColor(Qt::green));
    EXPECT_EQ(keyboard->frameColour(13), QColor(Qt::blue));
    for (const int unlit : {0, 1, 12, 14, 35, 37}) {
        EXPECT_EQ(border(unlit), QColor(Qt::white)) << unlit;
    }
}
