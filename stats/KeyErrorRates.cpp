#include "KeyErrorRates.h"

#include "KeyboardMap.h"

#include <algorithm>

namespace KeyErrorRates
{

namespace
{

QColor blend(const QColor &from, const QColor &to, double t)
{
    const auto mix = [t](int a, int b) {
        return static_cast<int>(a + (b - a) * t + 0.5);
    };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

} // namespace

QList<int> keysFor(QChar character)
{
    const KeyboardMap::Guide guide = KeyboardMap::builtInSpain().guideFor(character);
    QList<int> keys;
    for (const KeyboardMap::Stroke &stroke : {guide.key, guide.deadKey}) {
        if (stroke.isKey()) {
            keys.append(stroke.key);
        }
    }
    if (guide.key.needsShift() || guide.deadKey.needsShift()) {
        keys.append(KeyboardKeys::ShiftKey);
    }
    if (guide.key.needsAltGr() || guide.deadKey.needsAltGr()) {
        keys.append(KeyboardKeys::AltGrKey);
    }
    return keys;
}

Rates perKey(const QList<KeyCount> &totals)
{
    Rates rates {};
    for (const KeyCount &count : totals) {
        for (const int key : keysFor(count.character)) {
            rates[key].typed += count.typed();
            rates[key].wrong += count.wrong;
        }
    }
    return rates;
}

QColor tint(double rate)
{
    const QColor green(120, 210, 120);
    const QColor yellow(255, 225, 80);
    const QColor red(230, 50, 40);
    const double t = std::clamp(rate / ScaleTop, 0.0, 1.0);
    return t < 0.5 ? blend(green, yellow, t * 2) : blend(yellow, red, (t - 0.5) * 2);
}

QColor noDataColour()
{
    return QColor(235, 235, 235);
}

} // namespace KeyErrorRates
