#include "ExerciseText.h"

#include "Cp1252.h"

namespace ExerciseText
{

namespace
{

// Whether the text holds nothing but typable characters and CR LF line breaks, as every
// well-made exercise does.
bool isClean(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x20 && c != 0x7F && (c < 0x80 || c > 0x9F)) {
            continue;
        }
        if (c != u'\r' || i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('\n')) {
            return false;
        }
        ++i;
    }
    return true;
}

} // namespace

QString fromFile(const QByteArray &bytes)
{
    const QString decoded = Cp1252::decode(bytes);
    if (isClean(decoded)) {
        return decoded;
    }
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
