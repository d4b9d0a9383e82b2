#include "ResultLine.h"

#include "FigureTexts.h"

namespace ResultLine
{

QString compose(const DrillResult &result)
{
    return QStringLiteral(" ** ") + FigureTexts::finalSpeed(result.speed) + QStringLiteral(" - ")
        + FigureTexts::seconds(result.seconds) + QStringLiteral(" - ") + QString::number(result.wrong)
        + QStringLiteral("(Err.) - ") + QString::number(result.right) + QStringLiteral("(c.) **")
        + QStringLiteral(" - ") + result.exercise + QStringLiteral(" - ")
        + FigureTexts::accuracy(result.accuracyWord, result.accuracy);
}

} // namespace ResultLine
