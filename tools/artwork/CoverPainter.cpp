#include "CoverPainter.h"

#include "ArtStyle.h"
#include "Canvas.h"
#include "HandPainter.h"
#include "KeyPainter.h"
#include "StrokeFont.h"

#include <QPainterPath>

namespace
{

constexpr int Width = 636;
constexpr int Height = 334;

// The keyboard follows the typing window's own: the same rows, the same stagger, the same
// colours. Positions are in the window's twips, scaled down; keys are drawn a little fatter.
constexpr qreal PixelsPerTwip = 30.0 / 720;
constexpr qreal KeySize = 26;
const QPointF KeyboardOrigin(118, 150);

struct Row {
    QStringView labels;
    qreal left; // twips
    qreal top; // twips
    int firstRightHandKey;
};

const Row Rows[] = {
    {u"QWERTYUIOP`+", 360, 240, 5},
    {u"ASDFGHJKLÑ\u00b4Ç", 720, 1080, 5},
    {u"ZXCVBNM,.-", 1080, 1920, 5},
};

QPointF keyCentre(qreal leftTwips, qreal topTwips, qreal widthTwips = 495, qreal heightTwips = 495)
{
    return KeyboardOrigin + QPointF(leftTwips + widthTwips / 2, topTwips + heightTwips / 2) * PixelsPerTwip;
}

QRectF keyRect(QPointF centre, qreal width = KeySize, qreal height = KeySize)
{
    return QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height);
}

void drawBackdrop(QPainter &painter)
{
    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0, QColor(206, 230, 255));
    sky.setColorAt(0.7, QColor(246, 244, 255));
    sky.setColorAt(1, QColor(255, 246, 226));
    painter.fillRect(QRectF(0, 0, Width, Height), sky);
    // Soft bubbles of the keyboard's three colours, kept to the margins.
    const struct {
        QPointF centre;
        qreal radius;
        QColor colour;
    } bubbles[] = {
        {{52, 70}, 46, ArtStyle::LeftHandKey},
        {{590, 250}, 60, ArtStyle::RightHandKey},
        {{560, 60}, 34, ArtStyle::SpaceKey},
        {{70, 270}, 40, ArtStyle::RightHandKey},
        {{600, 150}, 18, ArtStyle::LeftHandKey},
        {{34, 180}, 16, ArtStyle::SpaceKey},
    };
    painter.setPen(Qt::NoPen);
    for (const auto &bubble : bubbles) {
        QColor colour = bubble.colour;
        colour.setAlpha(150);
        painter.setBrush(colour);
        painter.drawEllipse(bubble.centre, bubble.radius, bubble.radius);
    }
}

void drawKeyboard(QPainter &painter)
{
    const QRectF body(KeyboardOrigin.x() - 10, KeyboardOrigin.y() - 8, 9495 * PixelsPerTwip + 4, 3495 * PixelsPerTwip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 70, 50));
    painter.drawRoundedRect(body.translated(4, 6), 14, 14);
    painter.setPen(QPen(ArtStyle::Ink, 3));
    painter.setBrush(QColor(92, 106, 132));
    painter.drawRoundedRect(body, 14, 14);
    for (const Row &row : Rows) {
        for (int i = 0; i < row.labels.size(); ++i) {
            const QRectF rect = keyRect(keyCentre(row.left + i * 720, row.top));
            const QColor colour = i < row.firstRightHandKey ? ArtStyle::LeftHandKey : ArtStyle::RightHandKey;
            KeyPainter::drawKeycap(painter, rect, colour, row.labels.mid(i, 1).toString());
        }
    }
    KeyPainter::drawKeycap(painter, keyRect(keyCentre(240, 1920)), ArtStyle::LeftHandKey);
    KeyPainter::drawKeycap(
        painter, keyRect(keyCentre(8400, 1080, 735, 1335), 30, 1335 * PixelsPerTwip + 6), ArtStyle::RightHandKey);
    KeyPainter::drawKeycap(
        painter, keyRect(keyCentre(1680, 2760, 6375), 6375 * PixelsPerTwip, KeySize), ArtStyle::SpaceKey);
}

// Each hand with its index finger on the key that has the bump: F for the left, J for the
// right. The wrists turn apart a little, as they do on a real keyboard, which also keeps the
// two thumbs side by side on the space bar.
void drawHand(QPainter &painter, QPointF indexKey, bool leftHand)
{
    constexpr qreal Scale = 2.3;
    constexpr qreal Turn = 9;
    painter.save();
    painter.translate(indexKey);
    painter.rotate(leftHand ? Turn : -Turn);
    painter.scale(Scale, Scale);
    painter.translate(-HandPainter::fingertip(leftHand, HandPainter::Finger::Index));
    HandPainter::drawHand(painter, leftHand, std::nullopt);
    painter.restore();
}

void drawTitle(QPainter &painter)
{
    const QColor colours[] = {{66, 133, 244}, {222, 64, 52}, {250, 180, 40}, {46, 170, 80}};
    const QString title = QStringLiteral("TECLORA");
    constexpr qreal CapHeight = 52;
    constexpr qreal Advance = CapHeight / 6 * 5.8;
    const qreal first = Width / 2.0 - Advance * (title.size() - 1) / 2;
    for (int i = 0; i < title.size(); ++i) {
        const QPainterPath letter
            = StrokeFont::textPath(QStringView(title).mid(i, 1), QPointF(first + i * Advance, 66), CapHeight);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ArtStyle::Ink, 17, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(letter);
        painter.setPen(QPen(colours[i % 4], 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(letter);
    }
}

} // namespace

namespace CoverPainter
{

QImage cover()
{
    return Canvas::draw(QSize(Width, Height), Qt::white, [](QPainter &painter) {
        drawBackdrop(painter);
        drawKeyboard(painter);
        drawHand(painter, keyCentre(2880, 1080), true);
        drawHand(painter, keyCentre(5040, 1080), false);
        drawTitle(painter);
    });
}

void paintAppIcon(QPainter &painter)
{
    KeyPainter::drawKeycap(painter, QRectF(104, 14, 136, 136), ArtStyle::RightHandKey);
    KeyPainter::drawKeycap(painter, QRectF(16, 80, 176, 164), QColor(110, 150, 250), QStringLiteral("Ñ"));
}

QImage appIcon()
{
    return Canvas::draw(QSize(AppIconSize, AppIconSize), Qt::transparent, paintAppIcon);
}

} // namespace CoverPainter
