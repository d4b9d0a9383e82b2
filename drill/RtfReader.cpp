#include "RtfReader.h"

#include "Cp1252.h"

#include <QTextCursor>

#include <algorithm>
#include <array>

namespace
{

// Parameters saturate well inside int's range, so no arithmetic on them can overflow.
constexpr qint64 MaxParameter = 999'999'999;
// The biggest size word processors offer, 1638 pt.
constexpr int MaxHalfPoints = 3276;

// Every \'hh is read as Windows-1252 whatever \ansicpg says: our files are written on Spanish
// systems, and a wrong guess about another's file costs no more than its accents.
QChar fromCp1252(uchar byte)
{
    static const QString table = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i) {
            bytes[i] = static_cast<char>(i);
        }
        return Cp1252::decode(bytes);
    }();
    return table.at(byte);
}

QTextCharFormat baseFormat()
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setForeground(QColor(Qt::black));
    return format;
}

QTextCharFormat formatOf(const RtfStyle &style)
{
    QTextCharFormat format = baseFormat();
    format.setForeground(QColor(style.colour));
    format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    format.setFontPointSize(style.halfPoints / 2.0);
    return format;
}

bool isLetter(char byte)
{
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z');
}

bool isDigit(char byte)
{
    return byte >= '0' && byte <= '9';
}

int hexDigit(char byte)
{
    if (isDigit(byte)) {
        return byte - '0';
    }
    const char lower = static_cast<char>(byte | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// Groups whose text is not document text. Starred destinations are skipped as well, whatever
// their name.
bool isSkippedDestination(std::string_view word)
{
    // Sorted, for the binary search.
    static constexpr std::array<std::string_view, 28> Skipped = {"colorschememapping", "datastore", "filetbl",
        "fldinst", "fonttbl", "footer", "footerf", "footerl", "footerr", "footnote", "header", "headerf", "headerl",
        "headerr", "info", "latentstyles", "listoverridetable", "listtable", "nonshppict", "objdata", "object", "pict",
        "revtbl", "stylesheet", "tc", "themedata", "xe", "xmlnstbl"};
    static_assert(std::is_sorted(Skipped.begin(), Skipped.end()));
    return std::binary_search(Skipped.begin(), Skipped.end(), word);
}

// Typographic characters that some editors write as control words rather than as \'hh.
QChar namedCharacter(std::string_view word)
{
    static constexpr std::array<std::pair<std::string_view, char16_t>, 10> Named = {{{"bullet", u'\u2022'},
        {"emdash", u'\u2014'}, {"emspace", u' '}, {"endash", u'\u2013'}, {"enspace", u' '}, {"ldblquote", u'\u201C'},
        {"lquote", u'\u2018'}, {"qmspace", u' '}, {"rdblquote", u'\u201D'}, {"rquote", u'\u2019'}}};
    const auto found = std::find_if(Named.begin(), Named.end(), [word](const auto &named) {
        return named.first == word;
    });
    return found == Named.end() ? QChar() : QChar(found->second);
}

} // namespace

void RtfReader::readRtf(QByteArrayView rtf, QTextCursor &cursor)
{
    RtfReader(rtf, cursor).parse();
}

void RtfReader::readPlainText(QByteArrayView text, QTextCursor &cursor)
{
    // Inserted whole, as QTextCursor turns CR LF, CR and LF alike into line breaks.
    cursor.insertText(Cp1252::decode(text), baseFormat());
}

RtfReader::RtfReader(QByteArrayView rtf, QTextCursor &cursor)
    : input(rtf)
    , cursor(cursor)
{
}

void RtfReader::parse()
{
    while (position < input.size() && !finished) {
        const char byte = input[position++];
        if (byte == '{') {
            openGroup();
        } else if (byte == '}') {
            closeGroup();
        } else if (byte != '\\') {
            readText(byte);
        } else if (position < input.size() && isLetter(input[position])) {
            readControlWord();
        } else if (position < input.size()) {
            readControlSymbol(input[position++]);
        }
    }
    flushRun();
}

const RtfReader::Group &RtfReader::group() const
{
    return groups.back().group;
}

RtfReader::Group &RtfReader::changeGroup()
{
    if (groups.back().depth > 1) {
        --groups.back().depth;
        groups.push_back(GroupRun {group(), 1});
    }
    return groups.back().group;
}

// Setting what a group has already leaves it sharing its state, so files that repeat their
// formatting in every group stay cheap.
void RtfReader::setStyle(const RtfStyle &style)
{
    if (style != group().style) {
        changeGroup().style = style;
    }
}

void RtfReader::setDestination(Destination destination)
{
    if (destination != group().destination) {
        changeGroup().destination = destination;
    }
}

void RtfReader::openGroup()
{
    fallbackToSkip = 0;
    ++groups.back().depth;
    ++depth;
}

void RtfReader::closeGroup()
{
    fallbackToSkip = 0;
    // Input that does not open with a brace has nothing to close.
    if (depth == 0) {
        return;
    }
    if (--groups.back().depth == 0) {
        groups.pop_back();
    }
    // What follows the document's closing brace is padding or junk, never text.
    finished = --depth == 0;
}

// Every text byte, control symbol and control word counts as one character of a fallback.
bool RtfReader::skipsAsFallback()
{
    if (fallbackToSkip > 0) {
        --fallbackToSkip;
        return true;
    }
    return false;
}

void RtfReader::readText(char byte)
{
    // Line ends in RTF are layout of the file, not text.
    if (byte == '\r' || byte == '\n' || skipsAsFallback()) {
        return;
    }
    if (group().destination == Destination::ColourTable) {
        if (byte == ';') {
            endColourEntry();
        }
    } else if (static_cast<uchar>(byte) >= 0x20 || byte == '\t') {
        addCharacter(fromCp1252(static_cast<uchar>(byte)));
    }
}

void RtfReader::readControlSymbol(char symbol)
{
    if (symbol == '\'') {
        const int byte = readHexByte();
        if (byte >= 0 && !skipsAsFallback()) {
            addCharacter(fromCp1252(static_cast<uchar>(byte)));
        }
        return;
    }
    if (skipsAsFallback()) {
        return;
    }
    switch (symbol) {
    case '*':
        setDestination(Destination::Skipped);
        break;
    case '\\':
    case '{':
    case '}':
        addCharacter(QLatin1Char(symbol));
        break;
    case '~':
        addCharacter(QChar::Nbsp);
        break;
    case '_':
        // A non-breaking hyphen has no Windows-1252 byte; a plain hyphen reads the same.
        addCharacter(u'-');
        break;
    case '\r':
    case '\n':
        addLineBreak();
        break;
    default:
        // \- is an optional hyphen, invisible unless a word is split at the line end; \| and \:
        // belong to formulas and indexes.
        break;
    }
}

// Without both digits the escape is dropped and what follows is read as it stands.
int RtfReader::readHexByte()
{
    if (input.size() - position < 2) {
        return -1;
    }
    const int high = hexDigit(input[position]);
    const int low = hexDigit(input[position + 1]);
    if (high < 0 || low < 0) {
        return -1;
    }
    position += 2;
    return high * 16 + low;
}

void RtfReader::readControlWord()
{
    const qsizetype start = position;
    while (position < input.size() && isLetter(input[position])) {
        ++position;
    }
    const std::string_view word(input.data() + start, static_cast<std::size_t>(position - start));
    const bool negative = position + 1 < input.size() && input[position] == '-' && isDigit(input[position + 1]);
    if (negative) {
        ++position;
    }
    bool hasParameter = false;
    qint64 parameter = 0;
    while (position < input.size() && isDigit(input[position])) {
        parameter = std::min(MaxParameter, parameter * 10 + (input[position++] - '0'));
        hasParameter = true;
    }
    if (negative) {
        parameter = -parameter;
    }
    if (position < input.size() && input[position] == ' ') {
        ++position;
    }
    if (word == "bin") {
        // Raw bytes follow that must not be read as RTF, whatever they contain.
        position += std::min<qint64>(std::max<qint64>(parameter, 0), input.size() - position);
    } else if (!skipsAsFallback()) {
        applyControlWord(word, hasParameter, static_cast<int>(parameter));
    }
}

void RtfReader::applyControlWord(std::string_view word, bool hasParameter, int parameter)
{
    RtfStyle style = group().style;
    if (word == "par" || word == "line") {
        addLineBreak();
    } else if (word == "tab") {
        addCharacter(u'\t');
    } else if (word == "u") {
        // A signed 16-bit UTF-16 unit; the fallback after it is skipped.
        if (hasParameter && parameter != 0 && parameter >= -0x8000 && parameter <= 0xFFFF) {
            addCharacter(QChar(static_cast<char16_t>(parameter)));
        }
        fallbackToSkip = group().fallbackLength;
    } else if (word == "uc") {
        if (const int length = std::clamp(parameter, 0, 16); length != group().fallbackLength) {
            changeGroup().fallbackLength = length;
        }
    } else if (word == "cf") {
        const bool known = parameter >= 0 && static_cast<std::size_t>(parameter) < colourTable.size();
        style.colour = known ? colourTable[static_cast<std::size_t>(parameter)] : qRgb(0, 0, 0);
        setStyle(style);
    } else if (word == "b") {
        style.bold = !hasParameter || parameter != 0;
        setStyle(style);
    } else if (word == "fs") {
        style.halfPoints = parameter > 0 ? std::min(parameter, MaxHalfPoints) : RtfStyle {}.halfPoints;
        setStyle(style);
    } else if (word == "plain") {
        setStyle(RtfStyle {});
    } else if (word == "colortbl") {
        setDestination(Destination::ColourTable);
    } else if (word == "red" || word == "green" || word == "blue") {
        setColourComponent(word, std::clamp(parameter, 0, 255));
    } else if (isSkippedDestination(word)) {
        setDestination(Destination::Skipped);
    } else if (const QChar symbol = namedCharacter(word); !symbol.isNull()) {
        addCharacter(symbol);
    }
}

void RtfReader::setColourComponent(std::string_view component, int value)
{
    if (group().destination != Destination::ColourTable) {
        return;
    }
    const int red = component == "red" ? value : qRed(pendingColour);
    const int green = component == "green" ? value : qGreen(pendingColour);
    const int blue = component == "blue" ? value : qBlue(pendingColour);
    pendingColour = qRgb(red, green, blue);
    pendingColourSet = true;
}

// An entry without components is "auto", which we show as black, the panes' default.
void RtfReader::endColourEntry()
{
    colourTable.push_back(pendingColourSet ? pendingColour : qRgb(0, 0, 0));
    pendingColour = qRgb(0, 0, 0);
    pendingColourSet = false;
}

void RtfReader::addCharacter(QChar character)
{
    // A CR or LF given as \'0d or \u10 is a line break of its own: left in the run, CR LF would
    // merge into one break.
    if (character == u'\r' || character == u'\n') {
        addLineBreak();
        return;
    }
    if (group().destination != Destination::Text) {
        return;
    }
    // The document takes these two noncharacters for the start and end of a frame and would break
    // the line there.
    if (character == u'\uFDD0' || character == u'\uFDD1') {
        character = QChar::ReplacementCharacter;
    }
    if (!run.isEmpty() && group().style != runStyle) {
        flushRun();
    }
    if (run.isEmpty()) {
        runStyle = group().style;
    }
    run.append(character);
}

// A line break has no colour of its own, so it never splits a run.
void RtfReader::addLineBreak()
{
    if (group().destination == Destination::Text) {
        run.append(u'\n');
    }
}

void RtfReader::flushRun()
{
    if (!run.isEmpty()) {
        cursor.insertText(run, cachedFormat(runStyle));
        run.resize(0);
    }
}

// A history holds a handful of styles in hundreds of thousands of runs: each format is built
// once, which also spares the document hashing a fresh format at every run.
const QTextCharFormat &RtfReader::cachedFormat(const RtfStyle &style)
{
    const auto key = std::make_tuple(style.colour, style.bold, style.halfPoints);
    auto known = formats.find(key);
    if (known == formats.end()) {
        known = formats.emplace(key, formatOf(style)).first;
    }
    return known->second;
}
