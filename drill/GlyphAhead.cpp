#include "GlyphAhead.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <cmath>

namespace
{

// A course holds some hundred characters in three colours; a pane that met more than this many
// looks (a change of font size, say) starts its collection again.
constexpr qsizetype MostLooksKept = 512;
// Where inside its first pixel a glyph starts, in steps no eye tells apart: a look drawn for one
// such step serves every place that falls on it.
constexpr qreal PlaceSteps = 4;

} // namespace

bool GlyphAhead::Placed::operator==(const Placed &other) const noexcept
{
    const Look &a = look;
    const Look &b = other.look;
    return inside == other.inside && a.character == b.character && a.colour == b.colour && a.background == b.background
        && a.caret == b.caret && a.caretWidth == b.caretWidth && a.lineHeight == b.lineHeight && a.ascent == b.ascent
        && a.descent == b.descent && a.font == b.font;
}

size_t GlyphAhead::PlacedHash::operator()(const Placed &placed) const noexcept
{
    const Look &look = placed.look;
    return qHashMulti(0, look.character, look.colour.rgba(), look.font.pointSizeF(), look.font.weight(),
        look.lineHeight, placed.inside.x(), placed.inside.y());
}

bool GlyphAhead::show(const QWidget &widget, const QPointF &place, const Look &look)
{
    const QPoint corner(int(std::floor(place.x())), int(std::floor(place.y())));
    const Placed placed {
        look, {std::round((place.x() - corner.x()) * PlaceSteps) / PlaceSteps, place.y() - corner.y()}};
    auto known = drawn.find(placed);
    if (known == drawn.end()) {
        if (drawn.size() >= MostLooksKept) {
            frames.forget();
            drawn.clear();
        }
        const qreal advance = QFontMetricsF(look.font).horizontalAdvance(look.character);
        const QSize size(int(std::ceil(placed.inside.x() + advance)) + look.caretWidth,
            int(std::ceil(placed.inside.y() + look.lineHeight)));
        known = drawn.emplace(placed, Drawn {quint64(drawn.size()), size, advance}).first;
    }
    const QRect pixels(corner, known->second.size);
    if (pixels.isEmpty() || !widget.visibleRegion().contains(pixels)) {
        return false;
    }
    return frames.show(
        widget, known->second.key,
        [&] {
            const qreal ratio = widget.devicePixelRatioF();
            QPixmap picture(pixels.size() * ratio);
            picture.setDevicePixelRatio(ratio);
            picture.fill(look.background);
            QPainter painter(&picture);
            painter.setFont(look.font);
            painter.setPen(look.colour);
            painter.drawText(placed.inside + QPointF(0, look.ascent), QString(look.character));
            painter.fillRect(QRectF(placed.inside.x() + known->second.advance, placed.inside.y(), look.caretWidth,
                                 look.ascent + look.descent),
                look.caret);
            return picture;
        },
        corner);
}
