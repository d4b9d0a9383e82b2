#include "ExerciseText.h"

#include "Cp1252.h"

namespace ExerciseText
{

QString fromFile(const QByteArray &bytes)
{
    const QString decoded = Cp1252::decode(bytes);
    QString text;
    text.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        const QChar character = decoded.at(i);
        if (character == QLatin1Char('\r') || character == QLatin1Char('\n')) {
            text += QLatin1String("\r\n");
            if (character == QLatin1Char('\r') && i + 1 < decoded.size() && decoded.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
        } else if (character == QLatin1Char('\t')) {
            text += QLatin1Char(' ');
        } else if (character.category() != QChar::Other_Control) {
            text += character;
        }
    }
    return text;
}

} // namespace ExerciseText
