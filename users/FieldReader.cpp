#include "FieldReader.h"

namespace FieldReader
{

namespace
{

bool isLineEnd(QChar character)
{
    return character == QLatin1Char('\r') || character == QLatin1Char('\n');
}

bool isBlank(QChar character)
{
    return character == QLatin1Char(' ') || character == QLatin1Char('\t');
}

// Consumes the comma or the line end (CR LF, CR or LF) at position, if there is one.
qsizetype skipSeparator(const QString &text, qsizetype position)
{
    if (position >= text.size()) {
        return position;
    }
    if (text.at(position) == QLatin1Char('\r') && position + 1 < text.size()
        && text.at(position + 1) == QLatin1Char('\n')) {
        return position + 2;
    }
    return position + 1;
}

qsizetype endOfField(const QString &text, qsizetype position)
{
    while (position < text.size() && text.at(position) != QLatin1Char(',') && !isLineEnd(text.at(position))) {
        ++position;
    }
    return position;
}

} // namespace

QStringList readItems(const QString &text, int count)
{
    QStringList items;
    qsizetype position = 0;
    while (items.size() < count && position < text.size()) {
        while (position < text.size() && isBlank(text.at(position))) {
            ++position;
        }
        if (position < text.size() && text.at(position) == QLatin1Char('"')) {
            // A quote left open ends with its line.
            qsizetype close = position + 1;
            while (close < text.size() && text.at(close) != QLatin1Char('"') && !isLineEnd(text.at(close))) {
                ++close;
            }
            items.append(text.mid(position + 1, close - position - 1));
            position = endOfField(text, close);
        } else {
            const qsizetype end = endOfField(text, position);
            qsizetype last = end;
            while (last > position && isBlank(text.at(last - 1))) {
                --last;
            }
            items.append(text.mid(position, last - position));
            position = end;
        }
        position = skipSeparator(text, position);
    }
    while (items.size() < count) {
        items.append(QString());
    }
    return items;
}

QStringList readLines(const QString &text, int count)
{
    QStringList lines;
    qsizetype position = 0;
    while (lines.size() < count && position < text.size()) {
        qsizetype end = position;
        while (end < text.size() && !isLineEnd(text.at(end))) {
            ++end;
        }
        lines.append(text.mid(position, end - position));
        position = skipSeparator(text, end);
    }
    while (lines.size() < count) {
        lines.append(QString());
    }
    return lines;
}

} // namespace FieldReader
