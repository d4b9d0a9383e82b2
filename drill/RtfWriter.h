#pragma once

#include "RtfStyle.h"

#include <QByteArray>
#include <QHash>
#include <QStringView>

#include <string>
#include <vector>

// Builds one RTF document from runs of styled text. The body is written first so that the
// colour table lists exactly the colours in use, numbered in order of first appearance, which
// keeps the output deterministic. A control word is written only when its value changes.
class RtfWriter
{
public:
    // Reserves room for about that many characters, so a large history is built without regrowing.
    explicit RtfWriter(qsizetype expectedCharacters);

    void setStyle(const RtfStyle &style);
    // A line separator (U+2028) counts as a line break.
    void addText(QStringView text);
    void addLineBreak();

    // The whole document: header, font and colour tables, body.
    QByteArray document() const;

private:
    int colourNumber(QRgb colour);
    void controlWord(const char *word);
    void controlWord(const char *word, int parameter);
    void controlSymbol(char symbol);
    void addCharacter(QChar character);

    // A std::string, as its push_back is inlined: the body grows a byte at a time.
    std::string body;
    std::vector<QRgb> colours;
    QHash<QRgb, int> colourNumbers;
    // What the body has in force, starting from RTF's defaults; colour 0 is the table's "auto".
    int currentColour = 0;
    bool currentBold = false;
    int currentHalfPoints = RtfStyle {}.halfPoints;
    // A control word followed by a letter, digit or space needs a space to end it.
    bool delimiterPending = true;
};
