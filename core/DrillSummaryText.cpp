#include "DrillSummaryText.h"

#include <algorithm>

namespace DrillSummaryText
{

namespace
{

// A blank or a line break would be invisible in the list.
QString keyName(QChar character)
{
    if (character == QLatin1Char(' ')) {
        return QStringLiteral("espacio");
    }
    if (character == QLatin1Char('\r')) {
        return QStringLiteral("Intro");
    }
    return QString(character);
}

QString errorCount(qint64 wrong)
{
    if (wrong == 0) {
        return QStringLiteral("sin errores");
    }
    return QString::number(wrong) + (wrong == 1 ? QStringLiteral(" error") : QStringLiteral(" errores"));
}

struct CountedMiss {
    Miss miss;
    int times;
};

QString missList(const QList<Miss> &misses)
{
    QList<CountedMiss> counted;
    for (const Miss &miss : misses) {
        const auto same = std::find_if(counted.begin(), counted.end(), [&miss](const CountedMiss &c) {
            return c.miss.expected == miss.expected && c.miss.typed == miss.typed;
        });
        if (same == counted.end()) {
            counted.append({miss, 1});
        } else {
            ++same->times;
        }
    }
    std::stable_sort(counted.begin(), counted.end(), [](const CountedMiss &a, const CountedMiss &b) {
        return a.times > b.times;
    });
    QStringList shown;
    for (const CountedMiss &c : counted.first(std::min<qsizetype>(counted.size(), MaxMissesShown))) {
        QString entry = keyName(c.miss.expected) + QChar(u'→') + keyName(c.miss.typed);
        if (c.times > 1) {
            entry += QStringLiteral(" ×") + QString::number(c.times);
        }
        shown.append(entry);
    }
    if (counted.size() > MaxMissesShown) {
        shown.append(QStringLiteral("…"));
    }
    return shown.join(QStringLiteral(", "));
}

} // namespace

QString compose(const Figures &figures, const QList<Miss> &misses)
{
    QString line = QStringLiteral("Resultado: ") + QString::number(figures.speed) + QStringLiteral(" p/m, ")
        + QString::number(figures.accuracy) + QStringLiteral(" % de precisión, ") + errorCount(figures.wrong)
        + QLatin1Char('.');
    if (!misses.isEmpty()) {
        line += QStringLiteral(" Fallos: ") + missList(misses);
    }
    return line;
}

QString join(const QString &notice, const QString &result)
{
    if (notice.isEmpty() || result.isEmpty()) {
        return notice + result;
    }
    return notice + QStringLiteral(". ") + result;
}

} // namespace DrillSummaryText
