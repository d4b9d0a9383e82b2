#include "ProgressFigures.h"

#include <QHash>

#include <algorithm>

namespace ProgressFigures
{

namespace
{

// Sums kept while the drills go by; the averages are taken at the end.
struct Sums {
    qint64 drills = 0;
    qint64 best = 0;
    qint64 speed = 0;
    qint64 accuracy = 0;

    void add(const DrillRecord &drill)
    {
        ++drills;
        best = std::max(best, drill.speed);
        speed += drill.speed;
        accuracy += drill.accuracy;
    }

    Overall figures() const
    {
        if (drills == 0) {
            return {};
        }
        return {drills, best, speed / drills, accuracy / drills};
    }
};

} // namespace

QString lessonOf(const QString &exercise)
{
    const qsizetype cut = exercise.lastIndexOf(QLatin1Char('\\'));
    return cut < 0 ? exercise : exercise.left(cut);
}

Overall overall(const QList<DrillRecord> &drills)
{
    Sums sums;
    for (const DrillRecord &drill : drills) {
        sums.add(drill);
    }
    return sums.figures();
}

QList<Lesson> lessons(const QList<DrillRecord> &drills)
{
    QStringList order;
    QHash<QString, Sums> sums;
    for (const DrillRecord &drill : drills) {
        const QString name = lessonOf(drill.exercise);
        auto it = sums.find(name);
        if (it == sums.end()) {
            order.append(name);
            it = sums.insert(name, {});
        }
        it->add(drill);
    }
    QList<Lesson> list;
    for (const QString &name : std::as_const(order)) {
        list.append({name, sums.value(name).figures()});
    }
    return list;
}

QList<WeakKey> keysWithMostErrors(const QList<KeyCount> &totals, const QList<Mistake> &mistakes, int limit)
{
    QList<WeakKey> keys;
    for (const KeyCount &key : totals) {
        if (key.wrong > 0) {
            keys.append({key, QChar(), 0});
        }
    }
    std::sort(keys.begin(), keys.end(), [](const WeakKey &a, const WeakKey &b) {
        if (a.key.wrong != b.key.wrong) {
            return a.key.wrong > b.key.wrong;
        }
        return a.key.character < b.key.character;
    });
    keys.resize(std::min<qsizetype>(keys.size(), limit));
    for (WeakKey &weak : keys) {
        qint64 most = 0;
        for (const Mistake &mistake : mistakes) {
            if (mistake.expected == weak.key.character && mistake.times > most) {
                most = mistake.times;
                weak.commonestInstead = mistake.typed;
                weak.kind = mistake.kind;
            }
        }
    }
    return keys;
}

} // namespace ProgressFigures
