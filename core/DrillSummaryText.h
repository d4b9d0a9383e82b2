#pragma once

#include <QChar>
#include <QList>
#include <QString>

// The line that tells the learner how the drill just finished went, shown in the hint line until
// their next key: "Resultado: 123 p/m, 97 % de precisión, 3 errores. Fallos: a→s ×2, ñ→l".
namespace DrillSummaryText
{

// One wrong key: the character due and the one typed instead.
struct Miss {
    QChar expected;
    QChar typed;
};

struct Figures {
    qint64 speed = 0; // keystrokes per minute
    qint64 accuracy = 0; // percent
    qint64 wrong = 0;
};

// The misses are listed most frequent first (ties in the order they were first made), at most
// MaxMissesShown of them, so the line keeps to the hint line's two lines.
constexpr int MaxMissesShown = 4;
QString compose(const Figures &figures, const QList<Miss> &misses);

// A notice of the sequencer ("Lección terminada: …") and the result, whichever there are.
QString join(const QString &notice, const QString &result);

} // namespace DrillSummaryText
