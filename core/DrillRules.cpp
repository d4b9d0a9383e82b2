#include "DrillRules.h"

#include "Cp1252.h"

#include <algorithm>
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
