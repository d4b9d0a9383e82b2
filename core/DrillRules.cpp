#include "DrillRules.h"

#include "Cp1252.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace DrillRules
{

int hintFor(QChar expected, QChar typed)
{
    // Later rules that also hold overwrite earlier ones.
    const QChar upper = Cp1252::toUpper(expected);
    int hint = -1;
    if (upper == Cp1252::toUpper(typed)) {
        hint = 0;
    }
    if (QStringView(u"ÁÉÍÓÚ").contains(upper)) {
        hint = 1;
    }
    if (QStringView(u"ÀÈÙ").contains(upper)) {
        hint = 2;
    }
    if (upper == QLatin1Char(' ')) {
        hint = 3;
    }
    if (upper == QChar(u'Ü') || upper == QChar(u'Ï')) {
        hint = 4;
    }
    if (expected.unicode() < 64 && expected != QLatin1Char(' ')) {
        hint = 5;
    }
    return hint < 0 ? 6 : hint;
}

namespace
{

struct GuideRow {
    const char16_t *characters;
    int frame;
};

// Each character belongs to at most one row.
constexpr std::array<GuideRow, 36> GuideRows = {{
    {u"Qq", 37},
    {u"Ww", 1},
    {u"Ee", 2},
    {u"Rr", 3},
    {u"Tt", 4},
    {u"Yy", 5},
    {u"Uu", 6},
    {u"Ii", 7},
    {u"Oo", 8},
    {u"Pp", 9},
    {u"`èÈàÀòÒ", 10},
    {u"+", 11},
    {u" ", 12},
    {u"Aa", 13},
    {u"Ss", 14},
    {u"Dd", 15},
    {u"Ff", 16},
    {u"Gg", 17},
    {u"Hh", 18},
    {u"Jj", 19},
    {u"Kk", 20},
    {u"Ll", 21},
    {u"Ññ", 22},
    {u"´áÁéÉíÍúÚ", 23},
    {u"Çç", 24},
    {u"Zz", 25},
    {u"Xx", 26},
    {u"Cc", 27},
    {u"Vv", 28},
    {u"Bb", 29},
    {u"Nn", 30},
    {u"Mm", 31},
    {u",;", 32},
    {u".:", 33},
    {u"-_", 34},
    {u"\r", 35},
}};

// One frame per character code of the Windows-1252 range, built once.
const std::array<unsigned char, 256> &guideTable()
{
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> frames {};
        for (const GuideRow &row : GuideRows) {
            for (const char16_t *c = row.characters; *c; ++c) {
                frames[*c] = static_cast<unsigned char>(row.frame);
            }
        }
        return frames;
    }();
    return table;
}

} // namespace

int guideFrameFor(QChar character)
{
    return character.unicode() < 256 ? guideTable()[character.unicode()] : 0;
}

bool needsShift(QChar character)
{
    const char16_t code = character.unicode();
    return (code >= u'A' && code <= u'Z') || code == u'Ñ' || code == u'Ç';
}

bool capsLockOn(QChar expected, QChar typed, bool shiftHeld)
{
    if (!typed.isLetter() || typed == expected || Cp1252::toUpper(typed) != Cp1252::toUpper(expected)) {
        return false;
    }
    return typed.isUpper() != shiftHeld;
}

qint64 keystrokesPerMinute(qint64 rightKeys, int elapsedSeconds)
{
    const double seconds = std::max(elapsedSeconds, 1);
    return static_cast<qint64>(std::floor(static_cast<double>(rightKeys) * 60.0 / seconds));
}

qint64 accuracyPercent(qint64 rightKeys, qint64 wrongKeys)
{
    if (rightKeys <= 0) {
        return 0;
    }
    return static_cast<qint64>(std::floor(static_cast<double>(rightKeys - wrongKeys) * 100.0 / rightKeys));
}

} // namespace DrillRules
