#pragma once

#include "ServerFrames.h"

#include <QColor>
#include <QFont>
#include <QSize>

#include <unordered_map>

class QPointF;
class QWidget;

// Puts a character the learner has just typed on the screen ahead of its pane's repaint, with the
// caret after it. Each look of a character (its font, colours and line) is drawn once and kept on
// the display server, and is copied onto the window with one small request: no layout, no paint
// and no wait for the server stand between the key and the character. The pane's repaint follows
// within the same key and paints the line as it now stands, the text after the character moved to
// make room for it.
//
// Where the display server does not let the program draw on its window that way (Wayland,
// offscreen, a fractional scale), nothing is shown ahead and the repaint shows the character.
class GlyphAhead
{
public:
    struct Look {
        QChar character;
        QFont font;
        QColor colour;
        QColor background;
        QColor caret;
        int caretWidth;
        qreal lineHeight;
        qreal ascent; // the line's, from its top to the baseline; the caret spans it and the descent
        qreal descent;
        bool operator==(const Look &other) const noexcept;
    };

    // Whether anything can be shown ahead on the window of `widget`: asked before a look is worked
    // out, so that a key on Wayland or offscreen pays nothing for it.
    bool canShowOn(const QWidget &widget);
    // Shows `look` at `place` of `widget`, where the character's line starts its top and the
    // character its left edge. False when nothing could be shown.
    bool show(const QWidget &widget, const QPointF &place, const Look &look);
    // Draws `look` and keeps it on the display server now, so that showing it later costs no more
    // than any other time. Prepared looks fill half the collection at most.
    void prepare(const QWidget &widget, const Look &look);

private:
    // A look as drawn: its key on the server, its size and the character's width.
    struct Drawn {
        quint64 key;
        QSize size;
        qreal advance;
    };
    struct LookHash {
        size_t operator()(const Look &look) const noexcept;
    };

    // The look's entry, measured first when it is new.
    const Drawn &measured(const Look &look);
    static QPixmap picture(const QWidget &widget, const Look &look, const Drawn &drawn);

    ServerFrames frames;
    std::unordered_map<Look, Drawn, LookHash> drawn;
};
