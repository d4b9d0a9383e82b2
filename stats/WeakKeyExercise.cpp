#include "WeakKeyExercise.h"

#include <algorithm>

namespace WeakKeyExercise
{

namespace
{

// The weakest character weighs most.
int weightOf(const QString &word, const QList<QChar> &weakest)
{
    int weight = 0;
    for (qsizetype rank = 0; rank < weakest.size(); ++rank) {
        weight += static_cast<int>(word.count(weakest.at(rank)) * (weakest.size() - rank));
    }
    return weight;
}

// For each weak character, the words holding it, heaviest first.
QList<QStringList> wordsPerCharacter(const QStringList &words, const QList<QChar> &weakest)
{
    QList<QStringList> lists;
    for (const QChar character : weakest) {
        QList<std::pair<int, QString>> weighted;
        for (const QString &word : words) {
            if (word.size() <= LineLength && word.contains(character)) {
                weighted.append({weightOf(word, weakest), word});
            }
        }
        std::stable_sort(weighted.begin(), weighted.end(), [](const auto &a, const auto &b) {
            return a.first > b.first;
        });
        QStringList list;
        for (const auto &entry : std::as_const(weighted)) {
            list.append(entry.second);
        }
        if (!list.isEmpty()) {
            lists.append(list);
        }
    }
    return lists;
}

} // namespace

QString build(const QStringList &words, const QList<QChar> &weakest, int round)
{
    const QList<QStringList> lists = wordsPerCharacter(words, weakest);
    if (lists.isEmpty()) {
        return {};
    }
    QList<qsizetype> next;
    for (const QStringList &list : lists) {
        next.append((static_cast<qsizetype>(round) * 3) % list.size());
    }
    QStringList lines(1);
    for (qsizetype turn = 0; lines.size() <= LineCount; ++turn) {
        const qsizetype which = turn % lists.size();
        const QStringList &list = lists.at(which);
        const QString &word = list.at(next[which]);
        next[which] = (next[which] + 1) % list.size();
        QString &line = lines.last();
        if (line.isEmpty()) {
            line = word;
        } else if (line.size() + 1 + word.size() <= LineLength) {
            line += QLatin1Char(' ') + word;
        } else {
            lines.append(word);
        }
    }
    // The loop stops on the first word of a line too many.
    lines.removeLast();
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace WeakKeyExercise
