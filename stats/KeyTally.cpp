#include "KeyTally.h"

#include "DrillRules.h"

#include <algorithm>

KeyTally::Counts &KeyTally::countsOf(QChar expected)
{
    const char16_t code = expected.unicode();
    return code < latin.size() ? latin[code] : others[code];
}

void KeyTally::right(QChar expected)
{
    ++countsOf(expected).right;
}

void KeyTally::wrong(QChar expected, QChar typed)
{
    ++countsOf(expected).wrong;
    ++wrongTyped[quint32(expected.unicode()) << 16 | typed.unicode()];
}

void KeyTally::clear()
{
    latin.fill({});
    others.clear();
    wrongTyped.clear();
}

QList<KeyCount> KeyTally::keys() const
{
    QList<KeyCount> counts;
    for (char16_t code = 0; code < latin.size(); ++code) {
        if (latin[code].right + latin[code].wrong > 0) {
            counts.append({QChar(code), latin[code].right, latin[code].wrong});
        }
    }
    for (auto it = others.cbegin(); it != others.cend(); ++it) {
        counts.append({QChar(it.key()), it->right, it->wrong});
    }
    std::sort(counts.begin(), counts.end(), [](const KeyCount &a, const KeyCount &b) {
        return a.character < b.character;
    });
    return counts;
}

QList<Mistake> KeyTally::mistakes() const
{
    QList<Mistake> list;
    for (auto it = wrongTyped.cbegin(); it != wrongTyped.cend(); ++it) {
        const QChar expected(char16_t(it.key() >> 16));
        const QChar typed(char16_t(it.key() & 0xFFFF));
        list.append({expected, typed, DrillRules::hintFor(expected, typed), it.value()});
    }
    std::sort(list.begin(), list.end(), [](const Mistake &a, const Mistake &b) {
        return std::pair(a.expected, a.typed) < std::pair(b.expected, b.typed);
    });
    return list;
}
