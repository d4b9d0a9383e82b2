#include "KeyboardWidget.h"

#include "Clock.h"
#include "Keysyms.h"
#include "PointerPictures.h"
#include "Twips.h"

#include <QApplication>
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
// The colour of a frame that is not lit.
const QColor Unlit(Qt::white);
// Silver, so that the white of a frame that is not lit still shows as a thin outline.
constexpr QRgb KeyboardGround = qRgb(192, 192, 192);
constexpr double KeyBevelTwips = 30;
constexpr double CaptionPoints = 18;

// What a screen reader says for each finger number.
const char16_t *const FingerNames[]
    = {u"meñique derecho", u"anular derecho", u"corazón derecho", u"índice derecho", u"pulgar derecho",
        u"meñique izquierdo", u"anular izquierdo", u"corazón izquierdo", u"índice izquierdo", u"pulgar izquierdo"};

constexpr double LegendShare = 0.6;

// What a key types at a level, as its face shows it: a dead key shows its accent.
QChar shownCharacter(const KeyboardMap &map, int key, KeyboardMap::Level level)
{
    const KeyboardMap::Symbol symbol = map.symbol(key, level);
    return QChar(symbol.character ? symbol.character : Keysyms::spacingAccent(symbol.deadAccent));
}

// Whether the guide teaches the character at this key and level: a key shows only what it is
// pressed for, not the generic symbols the layout also leaves there. Of what AltGr gives, only
// the signs of a Spanish text and the dead keys are shown: letters of other languages (æ ß ø)
// and typographer's signs would crowd the keys.
bool taughtHere(const KeyboardMap &map, int key, KeyboardMap::Level level)
{
    const QChar shown = shownCharacter(map, key, level);
    if (shown.isNull()) {
        return false;
    }
    const bool dead = map.symbol(key, level).deadAccent != 0;
    if (level >= KeyboardMap::AltGr && !dead && shown.unicode() >= 0x80 && shown != u'€' && shown != u'¬') {
        return false;
    }
    const KeyboardMap::Guide guide = map.guideFor(shown);
    const KeyboardMap::Stroke here {key, level};
    return guide.key == here || guide.deadKey == here;
}

QString keyName(const KeyboardMap &map, int key)
{
    switch (key) {
    case KeyboardLayout::SpaceBar:
        return QStringLiteral("espacio");
    case KeyboardLayout::EnterKey:
        return QStringLiteral("Intro");
    case KeyboardLayout::ShiftKey:
        return QStringLiteral("Mayúsculas");
    case KeyboardLayout::AltGrKey:
        return QStringLiteral("Alt Gr");
    default:
        return QString(shownCharacter(map, key, KeyboardMap::Plain).toUpper());
    }
}

} // namespace

KeyboardWidget::KeyboardWidget(const QString &dataFolder, Clock &clock, double logicalDpi, QWidget *parent)
    : QWidget(parent)
    , clock(clock)
    , map(&KeyboardMap::builtInSpain())
    , captionFont(QStringLiteral("Arial"))
    , logicalDpi(logicalDpi)
{
    setAccessibleName(QStringLiteral("teclado España"));
    setMouseTracking(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QColor(KeyboardGround));
    setPalette(ground);
    setAutoFillBackground(true);
    captionFont.setBold(true);
    legendFont = captionFont;

    const QDir data(dataFolder);
    for (const KeyboardLayout::Key &key : KeyboardLayout::keys()) {
        keyColours[key.index] = QColor(key.colour);
        if (key.picture) {
            keyPictures[key.index] = QImage(data.filePath(QLatin1String(key.picture)));
        }
    }
    frameColours.fill(Unlit);
    applyScale();
    for (int finger = 0; finger < FingerCount; ++finger) {
        const QString name = QStringLiteral("imagenes/dedo%1.png").arg(finger);
        fingerPictures[finger] = QImage(data.filePath(name)).convertToFormat(QImage::Format_ARGB32);
    }
}

void KeyboardWidget::setKeyboard(const KeyboardMap &newMap, KeyboardMap::Layout layout)
{
    map = &newMap;
    setAccessibleName(layout == KeyboardMap::Layout::Spain ? QStringLiteral("teclado España")
                                                           : QStringLiteral("teclado Latinoamérica"));
    applyScale();
    update();
}

void KeyboardWidget::setScale(double newScale)
{
    if (newScale == scale) {
        return;
    }
    scale = newScale;
    applyScale();
    update();
}

void KeyboardWidget::setFrameBorderTwips(double twips)
{
    frameBorderTwips = twips;
    applyScale();
    update();
}

void KeyboardWidget::applyScale()
{
    // A smaller keyboard is the keyboard drawn for a screen of proportionally fewer dots to the inch,
    // so every size keeps the rounding it has at full size.
    const double dpi = logicalDpi * scale;
    setFixedSize(Twips::toPixels(QSizeF(KeyboardLayout::Size), dpi));
    frameBorder = std::max(1, Twips::toPixels(frameBorderTwips, dpi));
    keyBevel = std::max(1, Twips::toPixels(KeyBevelTwips, dpi));
    captionFont.setPixelSize(std::max(1, Twips::toPixels(CaptionPoints * Twips::PerPoint, dpi)));
    legendFont.setPixelSize(std::max(1, Twips::toPixels(LegendShare * CaptionPoints * Twips::PerPoint, dpi)));
    for (const KeyboardLayout::Key &key : KeyboardLayout::keys()) {
        keyRects[key.index] = Twips::toPixels(QRectF(key.twips), dpi);
        keyFaces[key.index] = keyFace(key.index);
    }
    for (int frame = 0; frame < KeyboardLayout::FrameCount; ++frame) {
        frameRects[frame] = Twips::toPixels(QRectF(KeyboardLayout::frame(frame)), dpi);
    }
}

void KeyboardWidget::setFrameColour(int frame, const QColor &colour)
{
    // The guide sets three frames on every key, mostly to the colours they have; only a change
    // is repainted.
    if (frame < 0 || frame >= KeyboardLayout::FrameCount || frameColours[frame] == colour) {
        return;
    }
    frameColours[frame] = colour;
    // Only the border shows the colour; the key inside stays as it is.
    const QRect &r = frameRects[frame];
    update(QRegion(r) - QRegion(r.adjusted(frameBorder, frameBorder, -frameBorder, -frameBorder)));
    // The guide lights the key to press last, after the modifiers; that is when its description is
    // whole.
    if (frame != ShiftFrame && frame != AltGrFrame && colour != Unlit) {
        setAccessibleDescription(guideDescription(frame));
    }
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
    keyFaces[key] = keyFace(key);
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

QString KeyboardWidget::guideDescription(int frame) const
{
    const int key = KeyboardKeys::keyOf(frame);
    if (key < 0) {
        return QStringLiteral("Siguiente tecla: no está en el teclado dibujado");
    }
    const int finger = KeyboardLayout::keys()[key].finger;
    const QString fingerName
        = finger == KeyboardLayout::EitherThumb ? QStringLiteral("un pulgar") : QString::fromUtf16(FingerNames[finger]);
    QString modifiers;
    if (frameColours[AltGrFrame] != Unlit) {
        modifiers += QStringLiteral("Alt Gr y ");
    }
    if (frameColours[ShiftFrame] != Unlit) {
        modifiers += QStringLiteral("Mayúsculas y ");
    }
    return QStringLiteral("Siguiente tecla: ") + modifiers + keyName(*map, key) + QStringLiteral(", dedo ")
        + fingerName;
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
    // Every key repaints two frames' borders: most frames and keys lie outside even their bounds.
    const QRegion &region = event->region();
    const QRect bounds = region.boundingRect();
    const auto repainted = [&](const QRect &rect) {
        return bounds.intersects(rect) && region.intersects(rect);
    };
    // Lit frames last: neighbouring frames overlap by a pixel, and the lit one must be whole.
    for (const bool lit : {false, true}) {
        for (int frame = 0; frame < KeyboardLayout::FrameCount; ++frame) {
            if ((frameColours[frame] != Unlit) == lit && repainted(frameRects[frame])) {
                paintFrame(painter, frame);
            }
        }
    }
    for (int key = 0; key < KeyboardLayout::KeyCount; ++key) {
        if (repainted(keyRects[key])) {
            painter.drawPixmap(keyRects[key].topLeft(), keyFaces[key]);
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

QPixmap KeyboardWidget::keyFace(int key) const
{
    const QRect &r = keyRects[key];
    if (r.isEmpty()) {
        return {};
    }
    // The faces are drawn for the densest screen, so they stay sharp at 200 %.
    const qreal pixelRatio = qApp->devicePixelRatio();
    QPixmap face(r.size() * pixelRatio);
    face.setDevicePixelRatio(pixelRatio);
    QPainter painter(&face);
    const QRect inside(QPoint(), r.size());
    const QPalette colours {keyColours[key]};
    qDrawShadePanel(&painter, inside, colours, false, keyBevel, &colours.brush(QPalette::Button));
    const QImage &picture = keyPictures[key];
    const QSize pictureArea = r.size() - QSize(2 * keyBevel, 2 * keyBevel);
    if (!picture.isNull() && !pictureArea.isEmpty()) {
        QImage scaled = picture.scaled(pictureArea * pixelRatio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(pixelRatio);
        QRect place(QPoint(), scaled.deviceIndependentSize().toSize());
        place.moveCenter(inside.center());
        painter.drawImage(place, scaled);
    } else {
        drawCaptions(painter, inside.adjusted(keyBevel, 0, -keyBevel, 0), key);
    }
    return face;
}

void KeyboardWidget::drawCaptions(QPainter &painter, const QRect &inside, int key) const
{
    painter.setPen(Qt::black);
    if (key == KeyboardLayout::AltGrKey) {
        painter.setFont(legendFont);
        painter.drawText(inside, Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("Alt Gr"));
        return;
    }
    const QChar plain = shownCharacter(*map, key, KeyboardMap::Plain);
    const QChar shifted = shownCharacter(*map, key, KeyboardMap::Shift);
    const bool altGr = taughtHere(*map, key, KeyboardMap::AltGr);
    // A letter shows its capital; a sign shows its Shift character above the plain one.
    const bool letter = plain.isLetter() && shifted == plain.toUpper();
    const bool twoSigns = !letter && taughtHere(*map, key, KeyboardMap::Shift);
    if (!plain.isNull() && !twoSigns && !altGr) {
        painter.setFont(captionFont);
        painter.drawText(inside, Qt::AlignCenter, QString(letter ? shifted : plain));
        return;
    }
    painter.setFont(letter ? captionFont : legendFont);
    if (letter) {
        painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter, QString(shifted));
    } else {
        painter.drawText(inside, Qt::AlignLeft | Qt::AlignBottom, QString(plain));
        if (twoSigns) {
            painter.drawText(inside, Qt::AlignLeft | Qt::AlignTop, QString(shifted));
        }
    }
    if (altGr) {
        painter.setFont(legendFont);
        painter.setPen(QColor(0, 0, 160));
        painter.drawText(
            inside, Qt::AlignRight | Qt::AlignBottom, QString(shownCharacter(*map, key, KeyboardMap::AltGr)));
    }
}
