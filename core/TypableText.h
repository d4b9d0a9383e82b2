#pragma once

#include <QString>
#include <QStringList>

// A learner's own text made typable on the Spanish keyboard. Typographic punctuation that has a
// plain form on the keys gets it; any other character without a byte in Windows-1252 (emoji,
// other scripts) cannot be typed at all and is left out.
namespace TypableText
{

struct Outcome {
    QString text;
    // What was replaced, one short Spanish phrase for each kind ("las comillas tipográficas por \" y '").
    QStringList replaced;
    // The characters left out, each once, in the order first met.
    QStringList leftOut;
};

// Line breaks come back as '\n' whatever they were (CR LF, LF or CR); tabs become blanks.
Outcome make(const QString &text);

// The one message that says what make() changed; empty when nothing was.
QString notice(const Outcome &outcome);

} // namespace TypableText
