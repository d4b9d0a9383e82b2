#include "KeyErrorRates.h"

#include "DrillRules.h"

#include <algorithm>

namespace KeyErrorRates
{

namespace
{

constexpr int AcuteKey = 23;
constexpr int GraveKey = 10;

// The key whose guide frame lights for character; -1 for none.
int guideKey(QChar character)
{
    const int frame = DrillRules::guideFrameFor(character);
    if (frame == 0) {
        return -1;
    }
    // Frame 37 surrounds Q, key 0; every other frame surrounds the key of its own number.
    return frame == KeyboardLayout::FrameCount - 1 ? 0 : frame;
}

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
    QList<int> keys;
    const QString decomposed = QString(character).normalized(QString::NormalizationForm_D);
    // Ñ and Ç have keys of their own; other letters with a mark are a dead key and a letter.
    const bool ownKey = QStringView(u"ñÑçÇ").contains(character);
    bool shift = character.isUpper() || QStringView(u";:_").contains(character);
    if (decomposed.size() == 2 && !ownKey) {
        keys.append(guideKey(decomposed.at(0)));
        switch (decomposed.at(1).unicode()) {
        case 0x0301: // acute
            keys.append(AcuteKey);
            break;
        case 0x0308: // diaeresis, Shift and the acute key
            keys.append(AcuteKey);
            shift = true;
            break;
        case 0x0300: // grave
            keys.append(GraveKey);
            break;
        case 0x0302: // circumflex, Shift and the grave key
            keys.append(GraveKey);
            shift = true;
            break;
        default:
            break;
        }
    } else {
        keys.append(guideKey(character));
    }
    keys.removeAll(-1);
    if (keys.isEmpty()) {
        return keys;
    }
    if (shift) {
        keys.append(KeyboardLayout::ShiftKey);
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
