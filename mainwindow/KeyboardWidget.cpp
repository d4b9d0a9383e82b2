#include "KeyboardWidget.h"

#include "Clock.h"
#include "PointerPictures.h"
#include "Twips.h"

#include <QDir>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int RightThumb = 4;
constexpr int LeftThumb = 9;
constexpr QRgb FingerGround = qRgb(255, 255, 255);
// Silver, so that the white of a frame that is not lit still shows as a thin outline.
constexpr QRgb KeyboardGround = qRgb(192, 192, 192);
// 4 pixels at 96 dpi: wide enough to see the lit frame from the corner of the eye.
constexpr double FrameBorderTwips = 60;
constexpr double KeyBevelTwips = 30;
constexpr double CaptionPoints = 18;

} // namespace

KeyboardWidget::KeyboardWidget(const QString &dataFolder, Clock &clock, double logicalDpi, QWidget *parent)
    : QWidget(parent)
    , clock(clock)
    , captionFont(QStringLiteral("Arial"))
    , frameBorder(std::max(1, Twips::toPixels(FrameBorderTwips, logicalDpi)))
    , keyBevel(std::max(1, Twips::toPixels(KeyBevelTwips, logicalDpi)))
{
    setAccessibleName(QStringLiteral("teclado"));
    setMouseTracking(true);
    setFixedSize(Twips::toPixels(QSizeF(KeyboardLayout::Size), logicalDpi));
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QColor(KeyboardGround));
    setPalette(ground);
    setAutoFillBackground(true);
    captionFont.setBold(true);
    captionFont.setPixelSize(Twips::toPixels(CaptionPoints * Twips::PerPoint, logicalDpi));

    const QDir data(dataFolder);
    for (const KeyboardLayout::Key &key : KeyboardLayout::keys()) {
        const QRect rect = Twips::toPixels(QRectF(key.twips), logicalDpi);
        keyRects[key.index] = rect;
        keyColours[key.index] = QColor(key.colour);
        if (key.picture) {
            const QImage picture(data.filePath(QLatin1String(key.picture)));
            const QSize inside = rect.size() - QSize(2 * keyBevel, 2 * keyBevel);
            if (!picture.isNull() && !inside.isEmpty()) {
                keyPictures[key.index]
                    = QPixmap::fromImage(picture.scaled(inside, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            }
        }
    }
    for (int frame = 0; frame < KeyboardLayout::FrameCount; ++frame) {
        frameRects[frame] = Twips::toPixels(QRectF(KeyboardLayout::frame(frame)), logicalDpi);
    }
    frameColours.fill(QColor(Qt::white));
    for (int finger = 0; finger < FingerCount; ++finger) {
        const QString name = QStringLiteral("imagenes/dedo%1.png").arg(finger);
        fingerPictures[finger] = QImage(data.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    }
}

void KeyboardWidget::setFrameColour(int frame, const QColor &colour)
{
    if (frame < 0 || frame >= KeyboardLayout::FrameCount) {
        return;
    }
    frameColours[frame] = colour;
    update(frameRects[frame]);
}

QColor KeyboardWidget::frameColour(int frame) const
{
    return frameColours.at(frame);
}

void KeyboardWidget::setKeyColour(int key, const QColor &colour)
{
    if (key < 0 || key >= KeyboardLayout::KeyCount) {
        return;
    }
    keyColours[key] = colour;
    update(keyRects[key]);
}

QRect KeyboardWidget::keyRect(int key) const
{
    return keyRects.at(key);
}

int KeyboardWidget::keyAt(const QPoint &position) const
{
    const auto hit = std::find_if(keyRects.begin(), keyRects.end(), [&](const QRect &rect) {
        return rect.contains(position);
    });
    return hit == keyRects.end() ? -1 : static_cast<int>(hit - keyRects.begin());
}

void KeyboardWidget::mouseMoveEvent(QMouseEvent *event)
{
    const int key = keyAt(event->position().toPoint());
    if (key < 0) {
        ResetKeyboardCursor();
    } else {
        ShowFingerCursor(key);
    }
}

int KeyboardWidget::fingerOf(int key)
{
    const int finger = KeyboardLayout::keys()[key].finger;
    if (finger != KeyboardLayout::EitherThumb) {
        return finger;
    }
    // Drawn again on every movement, so the thumbs take turns at random while the mouse moves.
    return std::floor(clock.random() * 2) == 0 ? RightThumb : LeftThumb;
}

void KeyboardWidget::ShowFingerCursor(int key)
{
    // Made afresh on every movement; the cursor being replaced owns the only reference to the
    // previous picture, so nothing piles up however long the mouse moves.
    const QImage pointer = PointerPictures::CursorFromPicture(
        fingerPictures[fingerOf(key)], 0, 0, PointerPictures::BlackOnWhite, FingerGround);
    if (pointer.isNull()) {
        ResetKeyboardCursor();
        return;
    }
    setCursor(QCursor(QPixmap::fromImage(pointer), 0, 0));
}

void KeyboardWidget::ResetKeyboardCursor()
{
    setCursor(Qt::ArrowCursor);
}

void KeyboardWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // Lit frames last: neighbouring frames overlap by a pixel, and the lit one must be whole.
    for (const bool lit : {false, true}) {
        for (int frame = 0; frame < KeyboardLayout::FrameCount; ++frame) {
            if ((frameColours[frame] != Qt::white) == lit && event->region().intersects(frameRects[frame])) {
                paintFrame(painter, frame);
            }
        }
    }
    for (int key = 0; key < KeyboardLayout::KeyCount; ++key) {
        if (event->region().intersects(keyRects[key])) {
            paintKey(painter, key);
        }
    }
}

void KeyboardWidget::paintFrame(QPainter &painter, int frame) const
{
    const QRect &r = frameRects[frame];
    const QColor &colour = frameColours[frame];
    painter.fillRect(r.left(), r.top(), r.width(), frameBorder, colour);
    painter.fillRect(r.left(), r.bottom() - frameBorder + 1, r.width(), frameBorder, colour);
    painter.fillRect(r.left(), r.top(), frameBorder, r.height(), colour);
    painter.fillRect(r.right() - frameBorder + 1, r.top(), frameBorder, r.height(), colour);
}

void KeyboardWidget::paintKey(QPainter &painter, int key) const
{
    const QRect &r = keyRects[key];
    const QPalette colours {keyColours[key]};
    qDrawShadePanel(&painter, r, colours, false, keyBevel, &colours.brush(QPalette::Button));
    const QPixmap &picture = keyPictures[key];
    if (!picture.isNull()) {
        QRect place(QPoint(), picture.size());
        place.moveCenter(r.center());
        painter.drawPixmap(place, picture);
    } else if (const char16_t caption = KeyboardLayout::keys()[key].caption) {
        painter.setFont(captionFont);
        painter.setPen(Qt::black);
        painter.drawText(r, Qt::AlignCenter, QString(QChar(caption)));
    }
}
