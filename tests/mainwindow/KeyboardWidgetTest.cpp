#include "KeyboardWidget.h"
#include "FitTextLabel.h"
#include "PaintCounter.h"
#include "ScriptedClock.h"
#include "Twips.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace
{

constexpr double Dpi = 96;

QPoint keyCentre(int key)
{
    return Twips::toPixels(QRectF(KeyboardLayout::keys()[key].twips), Dpi).center();
}

// A keyboard over a data folder where finger f's picture is told by the red of its top-left
// corner, which the pointer keeps. Finger 7 and the Shift key have no picture, Enter has one.
class KeyboardWidgetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("imagenes")));
        QImage picture(98, 178, QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        ASSERT_TRUE(picture.save(data.filePath(QStringLiteral("imagenes/intro.png"))));
        picture.fill(Qt::white);
        for (const int finger : {0, 1, 2, 3, 4, 5, 6, 8, 9}) {
            QPainter(&picture).fillRect(0, 0, 20, 20, QColor(finger * 20, 40, 60));
            ASSERT_TRUE(picture.save(data.filePath(QStringLiteral("imagenes/dedo%1.png").arg(finger))));
        }
        clock.script({0.2, 0.7, 0.4999, 0.5});
        keyboard.emplace(data.path(), clock, Dpi);
        keyboard->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*keyboard));
    }

    // The finger the pointer shows once the mouse moved to position: -1 for the arrow, -2 for an
    // empty pointer.
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
        return qAlpha(pointer.pixel(0, 0)) == 0 ? -2 : qRed(pointer.pixel(0, 0)) / 20;
    }

    QTemporaryDir data;
    ScriptedClock clock;
    std::optional<KeyboardWidget> keyboard;
};

} // namespace

TEST_F(KeyboardWidgetTest, PointerIsTheFingerThatTypesTheKeyAThumbAtRandomOnSpaceAndTheArrowElsewhere)
{
    const std::pair<int, int> keyFingers[]
        = {{0, 5}, {16, 8}, {19, 3}, {10, 0}, {23, 0}, {24, 0}, {35, 0}, {36, 5}, {2, -2}};
    for (const auto &[key, finger] : keyFingers) {
        EXPECT_EQ(fingerAt(keyCentre(key)), finger) << "key " << key;
    }
    EXPECT_EQ(fingerAt((keyCentre(0) + keyCentre(1)) / 2), -1); // between Q and W
    EXPECT_EQ(fingerAt(Twips::toPixels(QRectF(KeyboardLayout::frame(0)), Dpi).center()), -1);

    // Drawn on every move, even within the space bar, and only there.
    for (const int thumb : {4, 9, 4, 9}) {
        EXPECT_EQ(fingerAt(keyCentre(KeyboardLayout::SpaceBar) + QPoint(clock.draws % 2, 0)), thumb) << clock.draws;
    }
    EXPECT_EQ(clock.draws, 4);
}

TEST_F(KeyboardWidgetTest, ShowsTheKeyPicturesThereAreAndRedrawsAFrameGivenAColour)
{
    QApplication::processEvents();
    // A frame given a colour repaints its border only, not the key it surrounds.
    const PaintCounter paints(&*keyboard);
    keyboard->setFrameColour(13, QColor(Qt::blue));
    QApplication::processEvents();
    const QRect frameRect = Twips::toPixels(QRectF(KeyboardLayout::frame(13)), Dpi);
    EXPECT_GT(paints.pixels.value(&*keyboard), 0);
    EXPECT_LT(paints.pixels.value(&*keyboard), qint64(frameRect.width()) * frameRect.height() / 2);
    keyboard->setFrameColour(36, QColor(Qt::green));
    keyboard->setFrameColour(KeyboardLayout::FrameCount, QColor(Qt::red)); // no such frame
    QApplication::processEvents();
    // What the window shows now, not a fresh painting of it.
    const QImage shown = keyboard->screen()->grabWindow(keyboard->winId()).toImage();
    EXPECT_EQ(shown.pixel(keyCentre(KeyboardLayout::EnterKey)), qRgb(255, 0, 255));
    EXPECT_EQ(shown.pixel(keyCentre(KeyboardLayout::ShiftKey)), qRgb(192, 192, 255)); // the key's own colour
    const std::pair<int, QColor> borders[] = {{13, Qt::blue}, {36, Qt::green}, {0, Qt::white}, {1, Qt::white},
        {12, Qt::white}, {14, Qt::white}, {35, Qt::white}, {37, Qt::white}};
    for (const auto &[frame, colour] : borders) {
        const QRect rect = Twips::toPixels(QRectF(KeyboardLayout::frame(frame)), Dpi);
        EXPECT_EQ(QColor(shown.pixel(rect.center().x(), rect.top() + 1)), colour) << frame;
    }
    // And what is shown is what a whole repaint would show.
    EXPECT_TRUE(shown.convertToFormat(QImage::Format_RGB32)
        == keyboard->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(KeyboardWidgetTest, SaysWhichKeyboardItIsShowsItsCharactersAndNamesTheModifiersOfTheNextKey)
{
    EXPECT_EQ(keyboard->accessibleName(), QStringLiteral("teclado España"));
    const int questionKey = KeyboardKeys::keyNamed(QStringLiteral("AE12"));
    const QImage spainFace = keyboard->grab(keyboard->keyRect(questionKey)).toImage();
    const KeyboardMap latinAmerica
        = KeyboardMap::load(KeyboardMap::Layout::LatinAmerica, KeyboardMap::systemSymbolsFolder());
    keyboard->setKeyboard(latinAmerica, KeyboardMap::Layout::LatinAmerica);
    EXPECT_EQ(keyboard->accessibleName(), QStringLiteral("teclado Latinoamérica"));
    // ¿ and ¡ swap their levels on that key: its face changes.
    EXPECT_NE(keyboard->grab(keyboard->keyRect(questionKey)).toImage(), spainFace);

    // @ on this keyboard: AltGr green, then the 2 blue.
    keyboard->setFrameColour(KeyboardKeys::frameOf(KeyboardKeys::AltGrKey), QColor(Qt::green));
    keyboard->setFrameColour(KeyboardKeys::frameOf(KeyboardKeys::keyNamed(QStringLiteral("AE02"))), QColor(Qt::blue));
    EXPECT_EQ(keyboard->accessibleDescription(), QStringLiteral("Siguiente tecla: Alt Gr y 2, dedo anular izquierdo"));
}

TEST(FitTextLabel, AWordTooWideForTheNextCharacterIsWrittenSmallerNotCut)
{
    QFont big(QStringLiteral("Arial"), 40);
    big.setBold(true);
    const QFont fitted = FitTextLabel::fittedFont(big, QStringLiteral("Espacio"), 97);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(QStringLiteral("Espacio")), 97);
    // A single character that fits keeps its size.
    EXPECT_EQ(FitTextLabel::fittedFont(big, QStringLiteral("ñ"), 97), big);
}

TEST(KeyboardLayout, FramesLieInsideTheKeyboardAndNoTwoKeysShareAPixel)
{
    const QRect keyboard(QPoint(0, 0), KeyboardLayout::Size);
    for (int f = 0; f < KeyboardLayout::FrameCount; ++f) {
        EXPECT_TRUE(keyboard.contains(KeyboardLayout::frame(f))) << f;
    }
    // The hit test relies on no two keys, and no key and frame 0, sharing a pixel.
    for (int i = 0; i < KeyboardLayout::KeyCount; ++i) {
        EXPECT_FALSE(KeyboardLayout::frame(0).intersects(KeyboardLayout::keys()[i].twips)) << i;
        for (int j = i + 1; j < KeyboardLayout::KeyCount; ++j) {
            EXPECT_FALSE(KeyboardLayout::keys()[i].twips.intersects(KeyboardLayout::keys()[j].twips))
                << i << " and " << j;
        }
    }
}
