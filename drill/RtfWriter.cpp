#include "RtfWriter.h"

#include "Cp1252.h"

RtfWriter::RtfWriter(qsizetype expectedCharacters)
{
    body.reserve(static_cast<std::size_t>(expectedCharacters + expectedCharacters / 8 + 64));
}

void RtfWriter::setStyle(const RtfStyle &style)
{
    const int colour = colourNumber(style.colour);
    if (colour != currentColour) {
        controlWord("\\cf", colour);
        currentColour = colour;
    }
    if (style.bold != currentBold) {
        controlWord(style.bold ? "\\b" : "\\b0");
        currentBold = style.bold;
    }
    if (style.halfPoints != currentHalfPoints) {
        controlWord("\\fs", style.halfPoints);
        currentHalfPoints = style.halfPoints;
    }
}

void RtfWriter::addText(QStringView text)
{
    for (const QChar character : text) {
        addCharacter(character);
    }
}

void RtfWriter::addLineBreak()
{
    // The line end is no delimiter that readers consume, they skip it; it keeps the file readable
    // in a text editor, and a space that follows stays text.
    body.append("\\par\r\n");
    delimiterPending = false;
}

QByteArray RtfWriter::document() const
{
    QByteArray rtf("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl ;");
    for (const QRgb colour : colours) {
        rtf.append("\\red").append(QByteArray::number(qRed(colour)));
        rtf.append("\\green").append(QByteArray::number(qGreen(colour)));
        rtf.append("\\blue").append(QByteArray::number(qBlue(colour))).append(';');
    }
    rtf.append("}\r\n\\uc1\\pard\\f0");
    rtf.reserve(rtf.size() + static_cast<qsizetype>(body.size()) + 1);
    return rtf.append(body.data(), static_cast<qsizetype>(body.size())).append('}');
}

int RtfWriter::colourNumber(QRgb colour)
{
    const auto found = colourNumbers.constFind(colour);
    if (found != colourNumbers.cend()) {
        return found.value();
    }
    colours.push_back(colour);
    const int number = static_cast<int>(colours.size());
    colourNumbers.insert(colour, number);
    return number;
}

void RtfWriter::controlWord(const char *word)
{
    body.append(word);
    delimiterPending = true;
}

void RtfWriter::controlWord(const char *word, int parameter)
{
    body.append(word).append(std::to_string(parameter));
    delimiterPending = true;
}

// A control symbol ends itself: a space after it would be text.
void RtfWriter::controlSymbol(char symbol)
{
    body.push_back('\\');
    body.push_back(symbol);
    delimiterPending = false;
}

void RtfWriter::addCharacter(QChar character)
{
    if (character == QChar::LineSeparator) {
        addLineBreak();
    } else if (character == u'\t') {
        controlWord("\\tab");
    } else if (character == u'\\' || character == u'{' || character == u'}') {
        controlSymbol(static_cast<char>(character.unicode()));
    } else if (const int code = Cp1252::codeOf(character); code < 0) {
        // \u takes a signed 16-bit number; the '?' is what a reader without Unicode shows.
        body.append("\\u").append(std::to_string(static_cast<qint16>(character.unicode()))).push_back('?');
        delimiterPending = false;
    } else if (code < 0x20 || code >= 0x80) {
        // Keeps the file 7-bit, so no editor can guess its encoding wrong.
        static constexpr char Hex[] = "0123456789abcdef";
        controlSymbol('\'');
        body.push_back(Hex[code >> 4]);
        body.push_back(Hex[code & 0xF]);
    } else {
        if (delimiterPending) {
            body.push_back(' ');
            delimiterPending = false;
        }
        body.push_back(static_cast<char>(code));
    }
}
