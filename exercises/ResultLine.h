#pragma once

#include <QString>

// The figures of a finished drill as the window shows them.
struct DrillFigures {
    QString speed; // "123(p/m)"
    QString time; // "45 s."
    QString wrong; // "3"
    QString right; // "120"
    QString exercise; // "Castellano\01 Fila central\4"
    QString accuracy; // "Precisión 97 %"
};

namespace ResultLine
{

// The line each finished drill leaves in the history, e.g.
// " ** 123(p/m) - 45 s. - 3(Err.) - 120(c.) ** - Castellano\01 Fila central\4 - Precisión 97 %"
QString compose(const DrillFigures &figures);

} // namespace ResultLine
