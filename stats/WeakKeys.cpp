#include "WeakKeys.h"

#include <QSet>
#include <QStringList>

#include <algorithm>

namespace WeakKeys
{

QList<QChar> choose(const QList<KeyCount> &totals)
{
    QList<KeyCount> candidates;
    std::copy_if(totals.cbegin(), totals.cend(), std::back_inserter(candidates), [](const KeyCount &count) {
        return count.typed() >= MinimumTyped && count.character != QLatin1Char(' ')
            && count.character != QLatin1Char('\r');
    });
    std::sort(candidates.begin(), candidates.end(), [](const KeyCount &a, const KeyCount &b) {
        // Cross-multiplied, so that equal rates compare equal.
        const qint64 left = a.wrong * b.typed();
        const qint64 right = b.wrong * a.typed();
        if (left != right) {
            return left > right;
        }
        if (a.wrong != b.wrong) {
            return a.wrong > b.wrong;
        }
        return a.character < b.character;
    });
    QList<QChar> weakest;
    for (int i = 0; i < std::min<qsizetype>(Count, candidates.size()); ++i) {
        weakest.append(candidates.at(i).character);
    }
    return weakest;
}

QList<KeyCount> foundIn(const QList<KeyCount> &totals, const QStringList &words)
{
    QSet<QChar> characters;
    for (const QString &word : words) {
        for (const QChar character : word) {
            characters.insert(character);
        }
    }
    QList<KeyCount> found;
    std::copy_if(totals.cbegin(), totals.cend(), std::back_inserter(found), [&](const KeyCount &count) {
        return characters.contains(count.character);
    });
    return found;
}

} // namespace WeakKeys
