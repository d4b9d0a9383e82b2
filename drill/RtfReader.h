#pragma once

#include "RtfStyle.h"

#include <QByteArrayView>
#include <QString>
#include <QTextCharFormat>

#include <map>
#include <string_view>
#include <tuple>
#include <vector>

class QTextCursor;

// Inserts the text of a file at a cursor, in Arial, with the colours, emphasis and sizes the
// file gives (black otherwise). Text goes in by whole runs, line breaks included, rather than
// character by character, so a large history loads in linear time.
class RtfReader
{
public:
    // Recognises the RTF that word processors write, keeping only text and RtfStyle. It reads
    // byte by byte with an explicit group stack, so no input can make it recurse, loop or read
    // past the end; what is readable before a fault is kept.
    static void readRtf(QByteArrayView rtf, QTextCursor &cursor);
    // Windows-1252 text; CR LF, lone CR and lone LF each make a line break.
    static void readPlainText(QByteArrayView text, QTextCursor &cursor);

private:
    enum class Destination { Text, ColourTable, Skipped };

    struct Group {
        RtfStyle style;
        int fallbackLength = 1; // \uc: characters after \uN that stand in for readers without Unicode
        Destination destination = Destination::Text;

        bool operator==(const Group &) const = default;
    };
    // Nested groups that change nothing share one entry: "{{{{" costs a count, not four copies,
    // so any depth keeps its own state in memory that grows only with the changes made.
    struct GroupRun {
        Group group;
        qint64 depth;
    };

    RtfReader(QByteArrayView rtf, QTextCursor &cursor);
    void parse();

    const Group &group() const;
    // The innermost group's state, made its own first when enclosing groups share it.
    Group &changeGroup();
    void setStyle(const RtfStyle &style);
    void setDestination(Destination destination);
    void openGroup();
    void closeGroup();
    bool skipsAsFallback();
    void readText(char byte);
    void readControlSymbol(char symbol);
    int readHexByte();
    void readControlWord();
    void applyControlWord(std::string_view word, bool hasParameter, int parameter);
    void setColourComponent(std::string_view component, int value);
    void endColourEntry();

    void addCharacter(QChar character);
    void addLineBreak();
    void flushRun();
    const QTextCharFormat &cachedFormat(const RtfStyle &style);

    QByteArrayView input;
    qsizetype position = 0;
    bool finished = false;
    // The first run's first level stands for what lies outside the document's group; it is never
    // closed, as the document ends when its group closes.
    std::vector<GroupRun> groups {GroupRun {Group {}, 1}};
    qint64 depth = 0;
    int fallbackToSkip = 0;
    std::vector<QRgb> colourTable;
    QRgb pendingColour = qRgb(0, 0, 0);
    bool pendingColourSet = false;

    QTextCursor &cursor;
    QString run;
    RtfStyle runStyle;
    std::map<std::tuple<QRgb, bool, int>, QTextCharFormat> formats;
};
