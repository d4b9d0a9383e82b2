#include "FigureTexts.h"

namespace FigureTexts
{

QString liveSpeed(qint64 keystrokesPerMinute)
{
    return QString::number(keystrokesPerMinute) + QStringLiteral(" (p/m)");
}

QString finalSpeed(qint64 keystrokesPerMinute)
{
    return QString::number(keystrokesPerMinute) + QStringLiteral("(p/m)");
}

QString seconds(int seconds)
{
    return QString::number(seconds) + QStringLiteral(" s.");
}

QString accuracy(const QString &word, qint64 percent)
{
    return word + QLatin1Char(' ') + QString::number(percent) + QStringLiteral(" %");
}

} // namespace FigureTexts
