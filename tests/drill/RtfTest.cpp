#include "Rtf.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace
{

struct TextRun {
    QString text; // '\n' starts a new line
    QColor colour = Qt::black;
    bool bold = false;
    qreal points = 12;
};

// The document as the pane shows it: text, with a tag "{rrggbb b 12}" wherever colour, emphasis
// or size change, and '\n' between lines. A tag without a size means none was set.
std::string describe(const QTextDocument &document)
{
    QString out;
    QString lastTag;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QString tag
                = QStringLiteral("{%1%2%3}")
                      .arg(format.foreground().color().name().mid(1),
                          format.fontWeight() > QFont::Medium ? QStringLiteral(" b") : QString(),
                          format.fontPointSize() > 0 ? u' ' + QString::number(format.fontPointSize()) : QString());
            out += (tag == lastTag ? QString() : tag) + it.fragment().text();
            lastTag = tag;
        }
        out += u'\n';
    }
    out.chop(1);
    return out.toStdString();
}

std::unique_ptr<QTextDocument> load(const QByteArray &rtf)
{
    auto document = std::make_unique<QTextDocument>();
    Rtf::read(rtf, *document);
    return document;
}

TEST(RtfTest, historyComesBackWithItsTextColoursEmphasisSizesAndLineBreaks)
{
    QTextDocument history;
    QTextCursor cursor(&history);
    for (const TextRun &run : std::vector<TextRun> {{QStringLiteral("Usuario Ana\n\n01/02/2024\n")},
             {QStringLiteral("Ma\u00F1ana "), Qt::blue}, {QStringLiteral("\u00E1"), Qt::red, true},
             {QStringLiteral(" \u00DCber \u00BFs\u00ED? \u00A1No! 5 \u20AC {a\\b}\t"), Qt::blue},
             {QStringLiteral("\u03A9 \U0001F600"), Qt::magenta, false, 14},
             {QStringLiteral("\n125 pulsaciones (Err.) - 3"), Qt::black, true, 10}, {QStringLiteral("\n\n")}}) {
        QTextCharFormat format;
        format.setForeground(run.colour);
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontPointSize(run.points);
        cursor.insertText(run.text, format);
    }

    const QByteArray rtf = Rtf::write(history);
    const auto loaded = load(rtf);

    EXPECT_EQ(describe(*loaded), describe(history));
    EXPECT_EQ(Rtf::write(*loaded), rtf) << "saving what was loaded must not change the file";
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char byte) {
        return static_cast<uchar>(byte) < 0x80;
    })) << "the file must be 7-bit so any editor reads it";
    // \u takes a signed 16-bit number; other editors misread one past 32767.
    EXPECT_TRUE(rtf.contains("\\u937?") && rtf.contains("\\u-10179?\\u-8704?")) << rtf.toStdString();
}

// A history kept in pieces as it grows (the registration line, each session's date line, each
// drill's echo with its result line, a piece ending inside a line) reads back as the whole.
TEST(RtfTest, aHistoryWrittenInPiecesReadsBackAsTheWhole)
{
    QTextDocument history;
    QTextCursor cursor(&history);
    QList<QByteArray> pieces;
    for (const TextRun &run :
        std::vector<TextRun> {{QStringLiteral("Ana - historial\r\n")}, {QStringLiteral("\n07/12/2026\n")},
            {QStringLiteral("Ma\u00F1a"), Qt::blue, true}, {QStringLiteral("na\n"), Qt::magenta, true},
            {QStringLiteral("120 p/m\n"), Qt::black, false, 10}, {QStringLiteral("\n08/12/2026\n")}}) {
        const int start = cursor.position();
        QTextCharFormat format;
        format.setForeground(run.colour);
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontPointSize(run.points);
        cursor.insertText(run.text, format);
        pieces.append(Rtf::write(history, start));
    }

    QTextDocument again;
    for (const QByteArray &piece : pieces) {
        Rtf::append(piece, again);
    }
    EXPECT_EQ(describe(again), describe(history));
    EXPECT_EQ(Rtf::write(again), Rtf::write(history));
}

TEST(RtfTest, readsWhatOtherEditorsWriteAndThePlainRegistrationLine)
{
    const std::pair<QByteArray, std::string> samples[] = {
        {// WordPad: auto colour first in the table, a starred generator, \plain resets, text after the end.
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}}\r\n"
            "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}{\\*\\generator Riched20 10.0}\\uc1 \r\n"
            "\\pard\\sa200\\cf1\\f0\\fs22\\lang10 Espa\\'f1a \\cf2\\b azul\\cf0\\b0\\par\r\n"
            "Segunda\\tab l\\'ednea\\line \\plain fin\\par\r\n}\r\nnot text after the end",
            "{ff0000 11}Espa\u00F1a {0000ff b 11}azul\n{000000 11}Segunda\tl\u00EDnea\n{000000 12}fin\n"},
        {// LibreOffice: skipped tables and info, groups per run, \u with a fallback, a field's result.
            "{\\rtf1\\ansi\\deff4{\\fonttbl{\\f4\\fswiss\\fprq2\\fcharset0 Arial;}}\r\n"
            "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue255;}\r\n"
            "{\\stylesheet{\\s0\\snext0\\loch\\f3\\fs24 Normal;}}{\\info{\\author Ana}}{\\*\\pgdsctbl{\\pgdsc0 P;}}"
            "\\pard\\plain \\s0\\cf1\\loch\\f3\\fs24{\\cf3\\b\\rtlch \\ltrch\\loch\r\nMa\\u241\\'f1ana}"
            "{\\rtlch \\ltrch\\loch\r\n \\u8364\\'80 y \\u8594\\'3f }"
            "{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt enlace}}\r\n"
            "\\par \\pard\\plain \\s0\\ql{\\cf2\\fs28\\rtlch \\ltrch\\loch\r\nazul}\r\n\\par }",
            "{ff00ff b 12}Ma\u00F1ana{000000 12} \u20AC y \u2192 enlace\n{0000ff 14}azul\n"},
        {// AbiWord: no auto colour, list tags, \uc1 \u with a letter fallback.
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl\r\n{\\f0\\fswiss\\fcharset0\\fprq2 Arial;}\r\n}\r\n"
            "{\\colortbl\r\n\\red0\\green0\\blue0;\r\n\\red255\\green0\\blue0;\r\n}\r\n\\pard\\plain\\s1\\f0\\fs24"
            "{\\cf1\\b{\\*\\listtag0}Rojo}{{\\*\\listtag0} \\'bfqu\\'e9? \\uc1\\u937 O}\r\n"
            "\\par\\pard\\plain\\s1{\\f0\\fs24{\\*\\listtag0}Fin}\r\n}",
            "{ff0000 b 12}Rojo{000000 12} \u00BFqu\u00E9? \u03A9\nFin"},
        // The registration line: plain Windows-1252 text, any line break.
        {"Ana Mu\xF1oz \x80\r\na\rb\nc\n\r\\rtf1 {no}", "{000000}Ana Mu\u00F1oz \u20AC\na\nb\nc\n\n\\rtf1 {no}"},
    };
    for (const auto &[rtf, expected] : samples) {
        const auto document = load(rtf);
        EXPECT_EQ(describe(*document), expected) << rtf.left(60).toStdString();
        EXPECT_EQ(document->begin().begin().fragment().charFormat().fontFamilies().toStringList(),
            QStringList {QStringLiteral("Arial")});
    }
}

TEST(RtfTest, keepsTheReadableTextOfMalformedInput)
{
    const QByteArray thirtyDigits(30, '9');
    const std::pair<QByteArray, QString> cases[] = {
        // Truncated.
        {"", QString()},
        {"{\\rtf1 Hola \\b mun", QStringLiteral("Hola mun")},
        {"{\\rtf1 a\\", QStringLiteral("a")},
        {"{\\rtf1 a\\'f", QStringLiteral("af")},
        {"{\\rtf1 a\\'zz", QStringLiteral("azz")},
        {"{\\rtf1{\\colortbl;\\red255", QString()},
        // Unbalanced and deeply nested braces.
        {"{\\rtf1 a}b}", QStringLiteral("a")},
        {"{\\rtf1{{{\\b a", QStringLiteral("a")},
        {"{\\rtf1 " + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "y}", QStringLiteral("xy")},
        {"{\\rtf1 " + QByteArray(100000, '{') + "z", QStringLiteral("z")},
        // Huge numbers.
        {"{\\rtf1\\fs" + thirtyDigits + " a\\cf" + thirtyDigits + " b\\u" + thirtyDigits + "?c\\li-" + thirtyDigits
                + " d\\uc" + thirtyDigits + "\\u65 ABCDEFGHIJKLMNOPQRSTU}",
            QStringLiteral("abcdAQRSTU")},
        {"{\\rtf1 a\\bin" + thirtyDigits + " bc}", QStringLiteral("a")},
        // Binary junk.
        {"{\\rtf1 a{\\pict\\bin4 }{\\}}b}", QStringLiteral("ab")},
        {QByteArray("{\\rtf1 a\x01\x02\0b}", 14), QStringLiteral("ab")},
    };
    for (const auto &[rtf, text] : cases) {
        EXPECT_EQ(load(rtf)->toPlainText(), text) << rtf.left(40).toStdString();
    }
}

TEST(RtfTest, deepGroupsLineEndEscapesAndFrameNoncharactersReadAsTheySay)
{
    const QByteArray open(300, '{');
    const QByteArray close(300, '}');
    const std::pair<QByteArray, std::string> cases[] = {
        // Every group keeps its own state however deep it lies.
        {"{\\rtf1 " + open + "{\\*\\foo hidden}shown{\\b bold}plain" + close + " end}",
            "{000000 12}shown{000000 b 12}bold{000000 12}plain end"},
        {"{\\rtf1 " + open + "\\b{\\b0 a{\\b b}c}d" + close + "e}",
            "{000000 12}a{000000 b 12}b{000000 12}c{000000 b 12}d{000000 12}e"},
        // A CR or LF escape is a line break of its own, also beside \\par or another escape.
        {"{\\rtf1 a\\'0d\\par b\\'0d\\'0a c\\u13?\\u10?d\\'0a}", "{000000 12}a\n\nb\n\n c\n\nd\n"},
        // U+FDD0 and U+FDD1 are no line breaks.
        {"{\\rtf1 a\\u-560?b\\u64977?c}", "{000000 12}a\uFFFDb\uFFFDc"},
    };
    for (const auto &[rtf, expected] : cases) {
        EXPECT_EQ(describe(*load(rtf)), expected) << rtf.right(60).toStdString();
    }
}

} // namespace
