#include "ExerciseCutter.h"

#include <algorithm>

namespace ExerciseCutter
{

namespace
{

// One blank between words, none at either end.
QString simplified(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char(' ')) {
            if (!out.isEmpty() && !out.endsWith(QLatin1Char(' '))) {
                out += c;
            }
        } else {
            out += c;
        }
    }
    if (out.endsWith(QLatin1Char(' '))) {
        out.chop(1);
    }
    return out;
}

bool closesSentence(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?');
}

// What may follow a sentence's full stop before the blank: closing quotes and brackets.
bool closesQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char(')') || c == QLatin1Char(']');
}

// Pieces of paragraph, each a whole sentence; a sentence longer than limit is broken between
// words, and a word longer than limit where it reaches it.
QStringList sentences(const QString &paragraph, qsizetype limit)
{
    QStringList pieces;
    qsizetype start = 0;
    const auto take = [&](qsizetype end) {
        QStringView sentence = QStringView(paragraph).mid(start, end - start);
        while (sentence.size() > limit) {
            qsizetype cut = sentence.first(limit + 1).lastIndexOf(QLatin1Char(' '));
            if (cut <= 0) {
                cut = limit;
            }
            pieces.append(sentence.first(cut).toString());
            sentence = sentence.mid(cut).trimmed();
        }
        if (!sentence.isEmpty()) {
            pieces.append(sentence.toString());
        }
        start = end + 1;
    };
    for (qsizetype i = 0; i < paragraph.size(); ++i) {
        if (paragraph.at(i) != QLatin1Char(' ') || i == 0) {
            continue;
        }
        qsizetype before = i - 1;
        while (before > start && closesQuote(paragraph.at(before))) {
            --before;
        }
        if (closesSentence(paragraph.at(before))) {
            take(i);
        }
    }
    take(paragraph.size());
    return pieces;
}

// Appends paragraph broken between words into lines of at most LineLength characters (a longer
// word keeps a line of its own).
void appendWrapped(QString &out, QStringView paragraph)
{
    qsizetype lineStart = out.size();
    for (const QStringView word : paragraph.tokenize(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype lineSize = out.size() - lineStart;
        if (lineSize > 0 && lineSize + 1 + word.size() > LineLength) {
            out += QLatin1String("\r\n");
            lineStart = out.size();
        } else if (lineSize > 0) {
            out += QLatin1Char(' ');
        }
        out += word;
    }
}

QString laidOut(const QStringList &exerciseParagraphs)
{
    QString out;
    out.reserve(ExerciseLength + ExerciseLength / LineLength * 2 + 16);
    for (const QString &paragraph : exerciseParagraphs) {
        if (!out.isEmpty()) {
            out += QLatin1String("\r\n");
        }
        appendWrapped(out, paragraph);
    }
    return out;
}

} // namespace

QStringList paragraphs(const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    const bool blankLinesPart = std::any_of(lines.cbegin(), lines.cend(), [](const QString &line) {
        return line.trimmed().isEmpty();
    });
    QStringList result;
    QString paragraph;
    const auto close = [&] {
        const QString simple = simplified(paragraph);
        if (!simple.isEmpty()) {
            result.append(simple);
        }
        paragraph.clear();
    };
    for (const QString &line : lines) {
        if (blankLinesPart && !line.trimmed().isEmpty()) {
            paragraph += QLatin1Char(' ') + line;
            continue;
        }
        paragraph += line;
        close();
    }
    close();
    return result;
}

QStringList cut(const QString &text)
{
    QStringList exercises;
    // The exercise being filled, as paragraphs; the last one may still grow.
    QStringList current;
    qsizetype currentLength = 0;
    for (const QString &paragraph : paragraphs(text)) {
        bool continuesParagraph = false;
        for (const QString &sentence : sentences(paragraph, ExerciseLength)) {
            const qsizetype separator = current.isEmpty() ? 0 : (continuesParagraph ? 1 : 2);
            if (!current.isEmpty() && currentLength + separator + sentence.size() > ExerciseLength) {
                exercises.append(laidOut(current));
                current.clear();
                currentLength = 0;
                continuesParagraph = false;
            }
            if (continuesParagraph) {
                current.last() += QLatin1Char(' ') + sentence;
                currentLength += 1 + sentence.size();
            } else {
                currentLength += (current.isEmpty() ? 0 : 2) + sentence.size();
                current.append(sentence);
            }
            continuesParagraph = true;
        }
    }
    if (!current.isEmpty()) {
        exercises.append(laidOut(current));
    }
    return exercises;
}

} // namespace ExerciseCutter
