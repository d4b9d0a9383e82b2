#pragma once

#include <QString>

// The figures of a finished drill.
struct DrillResult {
    qint64 speed = 0; // keystrokes per minute
    int seconds = 0;
    qint64 wrong = 0;
    qint64 right = 0;
    QString exercise; // "Castellano\01 Fila central\4"
    QString accuracyWord; // "Precisión", in the interface language
    qint64 accuracy = 0; // percent
};

namespace ResultLine
{

// The line each finished drill leaves in the history, e.g.
// " ** 123(p/m) - 45 s. - 3(Err.) - 120(c.) ** - Castellano\01 Fila central\4 - Precisión 97 %"
QString compose(const DrillResult &result);

} // namespace ResultLine
