#include "SampleDrill.h"

#include <QDateTime>

namespace SampleDrill
{

namespace
{

constexpr int PieceBytes = 2048;
constexpr int KeysPerDrill = 40;

// The characters a drill of the course asks for: letters, the Spanish ones and a few signs.
const QString Characters = QStringLiteral("asdfghjklñqwertyuiopzxcvbnmáéíóú,.;:-¿?¡!");

} // namespace

QByteArray historyPiece(int number)
{
    QByteArray piece = QByteArrayLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Arial;}}"
                                         "{\\colortbl ;\\red0\\green0\\blue255;\\red255\\green0\\blue255;"
                                         "\\red0\\green0\\blue0;}\\pard\\f0\\fs24");
    const QByteArray echo = QByteArrayLiteral("\\cf1\\b jf fj jjf ffj \\'f1and\\'fa \\cf2 j\\cf1 f ");
    const QByteArray result = QByteArray("\\cf3\\b0  ** ") + QByteArray::number(180 + number % 90)
        + QByteArrayLiteral("(p/m) - 41 s. - 2(Err.) - 158(c.) ** - Castellano\\\\17 Frases\\\\3 - "
                            "Precisi\\'f3n 98 %\\par}");
    while (piece.size() + echo.size() + result.size() < PieceBytes) {
        piece += echo;
    }
    return piece + result;
}

DrillRecord record(int number)
{
    DrillRecord drill;
    drill.finished = QDateTime::currentDateTime().toString(Qt::ISODate);
    drill.exercise = QStringLiteral("Castellano\\17 Frases\\%1").arg(number % 10 + 1);
    drill.seconds = 41;
    drill.speed = 180 + number % 90;
    for (int i = 0; i < KeysPerDrill; ++i) {
        const qint64 wrong = (i + number) % 13 == 0 ? 1 : 0;
        drill.keys.append({Characters.at(i % Characters.size()), 3 + (i + number) % 4, wrong});
        drill.right += drill.keys.last().right;
        drill.wrong += wrong;
    }
    drill.mistakes = {{QLatin1Char('j'), QLatin1Char('f'), 6, 1}, {QChar(0xF1), QLatin1Char('n'), 6, 1},
        {QChar(0xE1), QLatin1Char('a'), 1, 1}};
    drill.accuracy = drill.right * 100 / (drill.right + drill.wrong);
    return drill;
}

} // namespace SampleDrill
