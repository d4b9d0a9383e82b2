#pragma once

#include "KeyboardKeys.h"
#include "XkbSymbols.h"

#include <QChar>
#include <QHash>
#include <QLoggingCategory>

#include <array>

Q_DECLARE_LOGGING_CATEGORY(keyboardLog)

// One keyboard layout as the drill guides it: what every drawn key types at each level, and for
// every character the keys that type it (a dead key first for an accented letter that has no key
// of its own). Made from the layout files the system types with, so the guide and the system
// never disagree about where a character is.
class KeyboardMap
{
public:
    enum class Layout { Spain, LatinAmerica };
    // The modifiers a key is pressed with, in the layout files' order of levels.
    enum Level { Plain, Shift, AltGr, ShiftAltGr };
    static constexpr int LevelCount = 4;

    struct Stroke {
        int key = -1; // KeyboardKeys index; -1 for no key
        Level level = Plain;

        bool isKey() const
        {
            return key >= 0;
        }
        bool needsShift() const
        {
            return isKey() && (level == Shift || level == ShiftAltGr);
        }
        bool needsAltGr() const
        {
            return isKey() && (level == AltGr || level == ShiftAltGr);
        }
        bool operator==(const Stroke &) const = default;
    };
    // The keys of one character: a dead key (or none) and then the key itself; a character no
    // key types has neither.
    struct Guide {
        Stroke deadKey;
        Stroke key;
    };
    // What a key types at a level: a character, or for a dead key the accent it puts on the
    // next letter (a combining mark); both 0 for nothing.
    struct Symbol {
        char16_t character = 0;
        char16_t deadAccent = 0;
    };

    // A keyboard without a key: every character has an empty guide.
    KeyboardMap() = default;
    explicit KeyboardMap(const XkbSymbols::Keys &keys);

    // The layout, read from the system's layout files in symbolsFolder. When they cannot be read
    // the Spain keyboard is used as this program knows it, and the reason logged: learners still
    // get a guide. actual tells which keyboard was made.
    static KeyboardMap load(Layout layout, const QString &symbolsFolder, Layout *actual = nullptr);
    // Where Debian keeps the layout files.
    static QString systemSymbolsFolder();
    // The Spain keyboard without the system's files.
    static const KeyboardMap &builtInSpain();

    Symbol symbol(int key, Level level) const;
    Guide guideFor(QChar character) const;
    // The character a key types at a level; 0 for a dead key or nothing.
    QChar typedBy(Stroke stroke) const;

private:
    std::array<std::array<Symbol, LevelCount>, KeyboardKeys::Count> symbols {};
    // The first key and level that type each character or accent, fewest modifiers first.
    QHash<char16_t, Stroke> characterKeys;
    QHash<char16_t, Stroke> deadKeys;
};
