#include "TypableText.h"

#include "Cp1252.h"

#include <array>

namespace TypableText
{

namespace
{

// The kinds of replacement, in the order the message names them.
enum Kind { Quotes, Dashes, Ellipsis, Spaces, Tabs, KindCount };

const std::array<const char *, KindCount> KindPhrases = {
    "las comillas tipográficas por \" y '",
    "las rayas y guiones largos por -",
    "los puntos suspensivos por tres puntos (...)",
    "los espacios especiales por espacios normales",
    "los tabuladores por espacios",
};

// The most characters named in the message; a text full of another script would make it endless.
constexpr qsizetype NamedLeftOutLimit = 20;

struct Replacement {
    char16_t from;
    const char *to;
    Kind kind;
};

// Windows-1252 has curly quotes, dashes and the ellipsis, but the Spanish keyboard has no key for
// them, so they are replaced even though they could be stored.
constexpr std::array<Replacement, 30> Replacements = {{
    {u'\u2018', "'", Quotes},
    {u'\u2019', "'", Quotes},
    {u'\u201A', "'", Quotes},
    {u'\u201B', "'", Quotes},
    {u'\u2032', "'", Quotes},
    {u'\u2039', "'", Quotes},
    {u'\u203A', "'", Quotes},
    {u'\u201C', "\"", Quotes},
    {u'\u201D', "\"", Quotes},
    {u'\u201E', "\"", Quotes},
    {u'\u201F', "\"", Quotes},
    {u'\u2033', "\"", Quotes},
    {u'\u00AB', "\"", Quotes},
    {u'\u00BB', "\"", Quotes},
    {u'\u2010', "-", Dashes},
    {u'\u2011', "-", Dashes},
    {u'\u2012', "-", Dashes},
    {u'\u2013', "-", Dashes},
    {u'\u2014', "-", Dashes},
    {u'\u2015', "-", Dashes},
    {u'\u2212', "-", Dashes},
    {u'\u2026', "...", Ellipsis},
    {u'\u00A0', " ", Spaces},
    {u'\u2007', " ", Spaces},
    {u'\u2008', " ", Spaces},
    {u'\u2009', " ", Spaces},
    {u'\u200A', " ", Spaces},
    {u'\u202F', " ", Spaces},
    {u'\u205F', " ", Spaces},
    {u'\u3000', " ", Spaces},
}};

const Replacement *replacementFor(char16_t c)
{
    for (const Replacement &replacement : Replacements) {
        if (replacement.from == c) {
            return &replacement;
        }
    }
    // The typographic spaces from the en quad to the six-per-em space.
    static constexpr Replacement Space = {u' ', " ", Spaces};
    return (c >= 0x2000 && c <= 0x2006) ? &Space : nullptr;
}

// Invisible marks that shape text on screen but are nothing to type: dropped without a word.
bool isInvisible(char16_t c)
{
    return c == 0x00AD || c == 0xFEFF || (c >= 0x200B && c <= 0x200F) || (c >= 0x2060 && c <= 0x2064);
}

// The typographic characters and Latin-1 are all below 0x3000; only past the plain letters does a
// character need looking at.
bool isPlain(char16_t c)
{
    return c >= 0x20 && c < 0x7F;
}

} // namespace

Outcome make(const QString &input)
{
    // A letter and its accent typed as two code points ("a" and a combining acute) are one key.
    const QString text = input.normalized(QString::NormalizationForm_C);
    Outcome outcome;
    outcome.text.reserve(text.size());
    std::array<bool, KindCount> seen {};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (isPlain(c)) {
            outcome.text += QChar(c);
        } else if (c == u'\r' || c == u'\n') {
            outcome.text += QLatin1Char('\n');
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
        } else if (c == u'\t') {
            outcome.text += QLatin1Char(' ');
            seen[Tabs] = true;
        } else if (const Replacement *replacement = replacementFor(c)) {
            outcome.text += QLatin1String(replacement->to);
            seen[replacement->kind] = true;
        } else if (isInvisible(c) || QChar::category(c) == QChar::Other_Control) {
            continue;
        } else if (Cp1252::codeOf(QChar(c)) >= 0 && !QChar::isSurrogate(c)) {
            outcome.text += QChar(c);
        } else {
            // A character beyond the first plane comes as two halves and is named whole.
            const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            const QString character = text.mid(i, pair ? 2 : 1);
            i += pair ? 1 : 0;
            if (!outcome.leftOut.contains(character)) {
                outcome.leftOut.append(character);
            }
        }
    }
    for (int kind = 0; kind < KindCount; ++kind) {
        if (seen[kind]) {
            outcome.replaced.append(QString::fromUtf8(KindPhrases[kind]));
        }
    }
    return outcome;
}

QString notice(const Outcome &outcome)
{
    QStringList lines;
    if (!outcome.replaced.isEmpty()) {
        lines.append(QStringLiteral("Para poder escribirlo con el teclado se cambiaron:"));
        for (const QString &replacement : outcome.replaced) {
            lines.append(QStringLiteral("  · ") + replacement);
        }
    }
    if (!outcome.leftOut.isEmpty()) {
        // The code beside each: the font at hand may have no picture for it.
        QStringList named;
        for (const QString &character : outcome.leftOut.mid(0, NamedLeftOutLimit)) {
            named.append(character + QStringLiteral(" (U+")
                + QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, QLatin1Char('0'))
                + QLatin1Char(')'));
        }
        if (outcome.leftOut.size() > NamedLeftOutLimit) {
            named.append(QStringLiteral("y ") + QString::number(outcome.leftOut.size() - NamedLeftOutLimit)
                + QStringLiteral(" más"));
        }
        lines.append(QStringLiteral("Se dejaron fuera los caracteres que no tiene el teclado español: ")
            + named.join(QStringLiteral(", ")));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace TypableText
