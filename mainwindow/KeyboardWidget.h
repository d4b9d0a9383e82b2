#pragma once

#include "KeyFrames.h"
#include "KeyboardLayout.h"
#include "KeyboardMap.h"

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <array>

class Clock;

// The drawn keyboard under the exercise pane, Spain's or Latin America's. It only shows: the keys
// cannot be clicked, the keyboard guide colours the frames of the keys to press next, and the
// mouse pointer over a key becomes the picture of the finger that types it.
class KeyboardWidget : public QWidget, public KeyFrames
{
    Q_OBJECT

public:
    // dataFolder holds imagenes/ with the finger and key pictures; a missing picture leaves its
    // key without it (an empty pointer, a key without the arrow). The clock picks the thumb over
    // the space bar. Sizes follow the screen's logical DPI through Twips, like the rest of the
    // window, rather than a ready-made scale with a rounding of its own.
    KeyboardWidget(const QString &dataFolder, Clock &clock, double logicalDpi, QWidget *parent = nullptr);

    // The layout whose characters the keys show; the Spain keyboard until told. map must outlive
    // this widget or the next call.
    void setKeyboard(const KeyboardMap &map, KeyboardMap::Layout layout);

    // frame: 0 to 52; others are ignored. Lighting a key also tells assistive technology which key
    // comes next and with which finger, as the keyboard's accessible description.
    void setFrameColour(int frame, const QColor &colour) override;
    QColor frameColour(int frame) const;
    // The face of a key (0 to 36), drawn in its hand's colour until it is given another.
    void setKeyColour(int key, const QColor &colour);
    QRect keyRect(int key) const;
    // 1 as drawn; less in a window too low for the keyboard as drawn. Keys, frames, captions and
    // pictures shrink together, and the hit test with them.
    void setScale(double scale);
    // 4 pixels at 96 dpi: wide enough to see the lit frame from the corner of the eye.
    static constexpr double FrameBorderTwips = 60;
    // Thicker frames for an eye that sees less well.
    void setFrameBorderTwips(double twips);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Sizes every key, frame, caption and border for the screen's dpi at the current scale.
    void applyScale();
    // The key under a point of the widget, or -1 between the keys.
    int keyAt(const QPoint &position) const;
    void ShowFingerCursor(int key);
    void ResetKeyboardCursor();
    int fingerOf(int key);
    void paintFrame(QPainter &painter, int frame) const;
    // The key as it always looks: its bevelled face with the caption or the picture.
    QPixmap keyFace(int key) const;
    void drawCaptions(QPainter &painter, const QRect &inside, int key) const;
    // The frame of a key, not a modifier, lit last: the one the accessible description names.
    QString guideDescription(int frame) const;

    static constexpr int FingerCount = 10;
    static constexpr int ShiftFrame = KeyboardLayout::ShiftKey;
    static constexpr int AltGrFrame = KeyboardLayout::AltGrKey + 1;

    Clock &clock;
    const KeyboardMap *map;
    std::array<QRect, KeyboardLayout::KeyCount> keyRects;
    std::array<QRect, KeyboardLayout::FrameCount> frameRects;
    std::array<QColor, KeyboardLayout::FrameCount> frameColours;
    // Drawn once: the keys near a frame are painted again whenever it changes, on every key the
    // learner types, and a face costs one copy where drawing it costs a bevel and a caption.
    std::array<QPixmap, KeyboardLayout::KeyCount> keyFaces;
    std::array<QColor, KeyboardLayout::KeyCount> keyColours; // the hand's, until the error map tints a key
    std::array<QImage, KeyboardLayout::KeyCount> keyPictures; // as read; most keys have none
    std::array<QImage, FingerCount> fingerPictures; // read once, made into a pointer on every move
    QFont captionFont;
    QFont legendFont; // the Shift and AltGr characters in the corners of a sign's key
    const double logicalDpi;
    double scale = 1;
    double frameBorderTwips = FrameBorderTwips;
    int frameBorder = 1; // pixels
    int keyBevel = 1; // pixels
};
