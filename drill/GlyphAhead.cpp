#include "GlyphAhead.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <cmath>

namespace
{

// A course holds some hundred characters, in three colours; a pane that met more looks than this
// (a change of font size, say) starts its collection again.
constexpr std::size_t MostLooksKept = 256;

} // namespace

bool GlyphAhead::Look::operator==(const Look &other) const noexcept
{
    return character == other.character && colour == other.colour && background == other.background
        && caret == other.caret && caretWidth == other.caretWidth && lineHeight == other.lineHeight
        && ascent == other.ascent && descent == other.descent && font == other.font;
}

size_t GlyphAhead::LookHash::operator()(const Look &look) const noexcept
{
    return qHashMulti(
        0, look.character, look.colour.rgba(), look.font.pointSizeF(), look.font.weight(), look.lineHeight);
}

bool GlyphAhead::canShowOn(const QWidget &widget)
{
    return frames.canShowOn(widget);
}

bool GlyphAhead::show(const QWidget &widget, const QPointF &place, const Look &look)
{
    // On the nearest whole pixel: half a pixel off, for the moment until the pane's repaint, is
    // more than made up for by one look serving every place of its character.
    const QPoint corner = place.toPoint();
    const Drawn &known = measured(look);
    const QRect pixels(corner, known.size);
    if (pixels.isEmpty() || !widget.visibleRegion().contains(pixels)) {
        return false;
    }
    return frames.show(
        widget, known.key,
        [&] {
            return picture(widget, look, known);
        },
        corner);
}

void GlyphAhead::prepare(const QWidget &widget, const Look &look)
{
    // Half the collection is left to the looks typing makes (wrong keys, right ones after them).
    if (drawn.size() >= MostLooksKept / 2 && drawn.find(look) == drawn.end()) {
        return;
    }
    const Drawn &known = measured(look);
    if (!known.size.isEmpty()) {
        frames.keep(widget, known.key, [&] {
            return picture(widget, look, known);
        });
    }
}

const GlyphAhead::Drawn &GlyphAhead::measured(const Look &look)
{
    auto known = drawn.find(look);
    if (known == drawn.end()) {
        if (drawn.size() >= MostLooksKept) {
            frames.forget();
            drawn.clear();
        }
        const qreal advance = QFontMetricsF(look.font).horizontalAdvance(look.character);
        const QSize size(int(std::ceil(advance)) + look.caretWidth, int(std::ceil(look.lineHeight)));
        known = drawn.emplace(look, Drawn {quint64(drawn.size()), size, advance}).first;
    }
    return known->second;
}

QPixmap GlyphAhead::picture(const QWidget &widget, const Look &look, const Drawn &drawn)
{
    const qreal ratio = widget.devicePixelRatioF();
    QPixmap picture(drawn.size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(look.background);
    QPainter painter(&picture);
    painter.setFont(look.font);
    painter.setPen(look.colour);
    painter.drawText(QPointF(0, look.ascent), QString(look.character));
    painter.fillRect(QRectF(drawn.advance, 0, look.caretWidth, look.ascent + look.descent), look.caret);
    return picture;
}
