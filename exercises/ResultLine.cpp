#include "ResultLine.h"

namespace ResultLine
{

QString compose(const DrillFigures &figures)
{
    return QStringLiteral(" ** ") + figures.speed + QStringLiteral(" - ") + figures.time + QStringLiteral(" - ")
        + figures.wrong + QStringLiteral("(Err.) - ") + figures.right + QStringLiteral("(c.) **")
        + QStringLiteral(" - ") + figures.exercise + QStringLiteral(" - ") + figures.accuracy;
}

} // namespace ResultLine
