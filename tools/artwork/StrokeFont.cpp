#include "StrokeFont.h"

#include <QHash>
#include <QStringList>
#include <QTransform>

namespace
{

// Glyphs on a grid 4 wide and 6 tall, y downwards. M x y moves, L x y draws a line,
// O cx cy rx ry start sweep starts a new elliptic arc and A (same numbers) continues with one;
// angles in degrees, counter-clockwise from three o'clock.
const QHash<QChar, QLatin1String> &glyphs()
{
    static const QHash<QChar, QLatin1String> table = {
        {u'A', QLatin1String("M0 6 L2 0 L4 6 M0.7 4 L3.3 4")},
        {u'B',
            QLatin1String("M0 3.2 L0 0 L2.2 0 A2.2 1.6 1.6 1.6 90 -180 L0 3.2 L0 6 L2.4 6 "
                          "A2.4 4.6 1.6 1.4 270 180 L0 3.2")},
        {u'C', QLatin1String("O2.1 3 2 3 45 270")},
        {u'D', QLatin1String("M0 0 L0 6 L1.5 6 A1.5 3 2.5 3 270 180 L0 0")},
        {u'E', QLatin1String("M4 0 L0 0 L0 6 L4 6 M0 3 L3 3")},
        {u'F', QLatin1String("M4 0 L0 0 L0 6 M0 3 L3 3")},
        {u'G', QLatin1String("O2 3 2 3 45 315 L2.4 3")},
        {u'H', QLatin1String("M0 0 L0 6 M4 0 L4 6 M0 3 L4 3")},
        {u'I', QLatin1String("M2 0 L2 6 M1 0 L3 0 M1 6 L3 6")},
        {u'J', QLatin1String("M3.5 0 L3.5 4.3 A2 4.3 1.5 1.7 0 -180")},
        {u'K', QLatin1String("M0 0 L0 6 M4 0 L0 3.8 M1.4 2.6 L4 6")},
        {u'L', QLatin1String("M0 0 L0 6 L4 6")},
        {u'M', QLatin1String("M0 6 L0 0 L2 3.6 L4 0 L4 6")},
        {u'N', QLatin1String("M0 6 L0 0 L4 6 L4 0")},
        {u'O', QLatin1String("O2 3 2 3 0 360")},
        {u'P', QLatin1String("M0 6 L0 0 L2.2 0 A2.2 1.7 1.8 1.7 90 -180 L0 3.4")},
        {u'Q', QLatin1String("O2 3 2 3 0 360 M2.5 4.3 L4.2 6.4")},
        {u'R', QLatin1String("M0 6 L0 0 L2.2 0 A2.2 1.7 1.8 1.7 90 -180 L0 3.4 M2 3.4 L4 6")},
        {u'S', QLatin1String("O2 1.5 1.8 1.5 20 250 A2 4.5 2 1.5 90 -250")},
        {u'T', QLatin1String("M0 0 L4 0 M2 0 L2 6")},
        {u'U', QLatin1String("M0 0 L0 4 A2 4 2 2 180 180 L4 0")},
        {u'V', QLatin1String("M0 0 L2 6 L4 0")},
        {u'W', QLatin1String("M0 0 L1 6 L2 2 L3 6 L4 0")},
        {u'X', QLatin1String("M0 0 L4 6 M4 0 L0 6")},
        {u'Y', QLatin1String("M0 0 L2 3 L4 0 M2 3 L2 6")},
        {u'Z', QLatin1String("M0 0 L4 0 L0 6 L4 6")},
        {u'Ñ', QLatin1String("M0 6 L0 0 L4 6 L4 0 M0.6 -1.1 L1.4 -1.7 L2.6 -0.9 L3.4 -1.5")},
        {u'Ç', QLatin1String("O2.1 3 2 3 45 270 M2 6 L2.3 6.9 L1.4 7.5")},
        {u'+', QLatin1String("M2 1.5 L2 5.5 M0 3.5 L4 3.5")},
        {u'-', QLatin1String("M0.8 3.5 L3.2 3.5")},
        {u',', QLatin1String("M2 5.6 L1.5 7")},
        {u'.', QLatin1String("O2 5.7 0.25 0.25 0 360")},
        {QChar(0x00b4), QLatin1String("M2.6 0 L1.6 1.2")}, // acute accent
        {u'`', QLatin1String("M1.4 0 L2.4 1.2")},
    };
    return table;
}

// Splits "M0 6 L2 0" into commands and numbers: M, 0, 6, L, 2, 0.
QStringList tokens(QLatin1String glyph)
{
    QStringList result;
    for (const QString &word : QString(glyph).split(u' ', Qt::SkipEmptyParts)) {
        if (word.front().isLetter()) {
            result.append(word.left(1));
            if (word.size() > 1) {
                result.append(word.mid(1));
            }
        } else {
            result.append(word);
        }
    }
    return result;
}

QPainterPath parse(QLatin1String glyph)
{
    const QStringList words = tokens(glyph);
    QPainterPath path;
    qsizetype at = 0;
    const auto number = [&words, &at] {
        return words[at++].toDouble();
    };
    while (at < words.size()) {
        const QChar command = words[at++].front();
        if (command == u'M' || command == u'L') {
            const qreal x = number();
            const qreal y = number();
            if (command == u'M') {
                path.moveTo(x, y);
            } else {
                path.lineTo(x, y);
            }
            continue;
        }
        const qreal cx = number();
        const qreal cy = number();
        const qreal rx = number();
        const qreal ry = number();
        const qreal start = number();
        const qreal sweep = number();
        const QRectF ellipse(cx - rx, cy - ry, 2 * rx, 2 * ry);
        if (command == u'O') {
            path.arcMoveTo(ellipse, start);
        }
        path.arcTo(ellipse, start, sweep);
    }
    return path;
}

constexpr qreal GlyphWidth = 4;
constexpr qreal Spacing = 1.8;
constexpr qreal GridHeight = 6;

} // namespace

namespace StrokeFont
{

QPainterPath textPath(QStringView text, QPointF centre, qreal capHeight)
{
    QPainterPath line;
    qreal x = 0;
    for (const QChar c : text) {
        const auto glyph = glyphs().constFind(c);
        if (glyph != glyphs().constEnd()) {
            line.addPath(parse(*glyph).translated(x, 0));
        }
        x += GlyphWidth + Spacing;
    }
    const qreal width = text.isEmpty() ? 0 : x - Spacing;
    const qreal scale = capHeight / GridHeight;
    QTransform place;
    place.translate(centre.x() - width * scale / 2, centre.y() - capHeight / 2);
    place.scale(scale, scale);
    return place.map(line);
}

} // namespace StrokeFont
