#include "ExamRules.h"

#include "FigureTexts.h"

#include <algorithm>
#include <cmath>

namespace ExamRules
{

const QList<int> &durations()
{
    static const QList<int> minutes = {1, 3, 5, 10};
    return minutes;
}

bool isDuration(int minutes)
{
    return durations().contains(minutes);
}

Figures figures(qint64 keystrokes, qint64 errors, qint64 msecsUsed, int penalty)
{
    Figures result;
    result.keystrokes = keystrokes;
    result.errors = errors;
    const double minutes = static_cast<double>(std::max<qint64>(msecsUsed, 1000)) / 60000.0;
    result.grossPerMinute = std::llround(static_cast<double>(keystrokes) / minutes);
    const double net = static_cast<double>(keystrokes - qint64(penalty) * errors) / minutes;
    result.netPerMinute = std::max<qint64>(0, std::llround(net));
    result.accuracy = keystrokes > 0 ? (keystrokes - errors) * 100 / keystrokes : 0;
    result.secondsUsed = static_cast<int>(std::llround(static_cast<double>(msecsUsed) / 1000.0));
    return result;
}

QString countdown(qint64 msecsLeft)
{
    const qint64 seconds = std::max<qint64>(0, (msecsLeft + 999) / 1000);
    return QString::number(seconds / 60) + QLatin1Char(':')
        + QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString resultLine(int minutes, const Figures &figures, const QString &accuracyWord, const QString &title)
{
    return QStringLiteral("Examen %1 min: ").arg(minutes) + FigureTexts::finalSpeed(figures.grossPerMinute)
        + QStringLiteral(" - ") + QString::number(figures.errors) + QStringLiteral("(Err.) - ")
        + FigureTexts::finalSpeed(figures.netPerMinute) + QStringLiteral(" netas - ")
        + FigureTexts::accuracy(accuracyWord, figures.accuracy) + QStringLiteral(" - ")
        + FigureTexts::seconds(figures.secondsUsed) + QStringLiteral(" - ") + title;
}

} // namespace ExamRules
