#include "Rtf.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{

const QRgb Black = qRgb(0, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Magenta = qRgb(255, 0, 255);
const QRgb Red = qRgb(255, 0, 0);

struct TextRun {
    QString text; // '\n' starts a new line
    QRgb colour = Black;
    bool bold = false;
    qreal points = 12;
};

void build(QTextDocument &document, const std::vector<TextRun> &runs)
{
    QTextCursor cursor(&document);
    for (const TextRun &run : runs) {
        QTextCharFormat format;
        format.setForeground(QColor(run.colour));
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontPointSize(run.points);
        cursor.insertText(run.text, format);
    }
}

// The document as the pane shows it: text, with a tag "{rrggbb b 12}" wherever colour, emphasis
// or size change, and '\n' between lines. A tag without a size means none was set.
std::string describe(const QTextDocument &document)
{
    QString out;
    QString lastTag;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            out += u'\n';
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QString tag
                = u'{' + QString::number(format.foreground().color().rgb() & 0xFFFFFF, 16).rightJustified(6, u'0');
            if (format.fontWeight() > QFont::Medium) {
                tag += QStringLiteral(" b");
            }
            if (format.fontPointSize() > 0) {
                tag += u' ' + QString::number(format.fontPointSize());
            }
            tag += u'}';
            if (tag != lastTag) {
                out += tag;
                lastTag = tag;
            }
            out += it.fragment().text();
        }
    }
    return out.toStdString();
}

// The raw text, so a no-break space stays one.
QString textOf(const QByteArray &rtf)
{
    QTextDocument document;
    Rtf::read(rtf, document);
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

const QByteArray Header = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl ;";

TEST(RtfTest, historyComesBackWithItsTextColoursEmphasisSizesAndLineBreaks)
{
    QTextDocument history;
    build(history,
        {{QStringLiteral("Usuario Ana\n\n01/02/2024\n")}, {QStringLiteral("Ma\u00F1ana "), Blue},
            {QStringLiteral("\u00E1"), Red, true},
            {QStringLiteral(" \u00DCber \u00BFs\u00ED? \u00A1No! 5 \u20AC {a\\b}\t"), Blue},
            {QStringLiteral("\u03A9 \U0001F600"), Magenta, false, 14},
            {QStringLiteral("\n125 pulsaciones (Err.) - 3"), Black, true, 10}, {QStringLiteral("\n\n")}});

    const QByteArray rtf = Rtf::write(history);
    QTextDocument loaded;
    Rtf::read(rtf, loaded);

    EXPECT_EQ(describe(loaded), describe(history));
    EXPECT_EQ(Rtf::write(loaded), rtf) << "saving what was loaded must not change the file";
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char byte) {
        return static_cast<uchar>(byte) < 0x80;
    })) << "the file must be 7-bit so any editor reads it";
    EXPECT_EQ(loaded.begin().begin().fragment().charFormat().fontFamilies().toStringList(),
        QStringList {QStringLiteral("Arial")});
}

TEST(RtfTest, writesEachCharacterAndFormatChangeAsStandardRtf)
{
    struct Case {
        const char *name;
        std::vector<TextRun> runs;
        QByteArray body; // what follows the colour table
    };
    const QByteArray black = "\\red0\\green0\\blue0;}\r\n\\uc1\\pard\\f0\\cf1";
    const std::vector<Case> cases = {
        {"empty document", {}, "}\r\n\\uc1\\pard\\f0}"},
        {"a leading space survives the delimiter", {{QStringLiteral(" Hola")}}, black + "  Hola}"},
        {"RTF specials escaped, Windows-1252 as hex, no space after either", {{QStringLiteral("\u00F1\u20ACa\\b{c}")}},
            black + "\\'f1\\'80a\\\\b\\{c\\}}"},
        {"outside Windows-1252 as signed \\u with '?'", {{QStringLiteral("\u03A9x\U0001F600")}},
            black + "\\u937?x\\u-10179?\\u-8704?}"},
        {"line breaks, empty lines, final break, space after a break", {{QStringLiteral("a\n\n b\n")}},
            black + " a\\par\r\n\\par\r\n b\\par\r\n}"},
        {"line separator is a line break", {{QStringLiteral("a\u2028b")}}, black + " a\\par\r\nb}"},
        {"only what changes is written",
            {{QStringLiteral("A"), Blue, true}, {QStringLiteral("B"), Blue}, {QStringLiteral("C"), Blue, false, 10},
                {QStringLiteral("D"), Red, false, 10}, {QStringLiteral("E"), Blue, false, 10}},
            "\\red0\\green0\\blue255;\\red255\\green0\\blue0;}\r\n\\uc1\\pard\\f0\\cf1\\b A\\b0 B\\fs20 C\\cf2 D\\cf1 "
            "E}"},
    };
    for (const Case &c : cases) {
        QTextDocument document;
        build(document, c.runs);
        const QByteArray rtf = Rtf::write(document);
        EXPECT_EQ(rtf.toStdString(), QByteArray(Header + c.body).toStdString()) << c.name;
        EXPECT_EQ(textOf(rtf), document.toPlainText().replace(QChar::LineSeparator, u'\n')) << c.name;
    }
}

TEST(RtfTest, readsWhatOtherEditorsWrite)
{
    struct Case {
        const char *name;
        QByteArray rtf;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"classic rich-edit box, no auto colour, \\plain resets",
            "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fswiss MS Sans Serif;}{\\f2\\fswiss Arial;}}\r\n"
            "{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue255;}"
            "\r\n\\deflang3082\\pard\\plain\\f2\\fs20\\cf1 hola \\plain\\f2\\fs20\\cf2\\b x\\plain\\f2\\fs20 \r\n"
            "\\par 01/02/2024\r\n\\par }\r\nnot text after the end",
            "{0000ff 10}hola {ff00ff b 10}x\n{000000 10}01/02/2024\n"},
        {"newer rich edit: generator, \\lang, \\line, \\tab, \\'hh",
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang3082{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}}\r\n"
            "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
            "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
            "\\pard\\sa200\\sl276\\slmult1\\cf1\\f0\\fs22\\lang10 Espa\\'f1a \\cf2\\b azul\\cf0\\b0\\par\r\n"
            "Segunda\\tab l\\'ednea\\line fin\\par\r\n}\r\n",
            "{ff0000 11}Espa\u00F1a {0000ff b 11}azul\n{000000 11}Segunda\tl\u00EDnea\nfin\n"},
        {"LibreOffice: stylesheet, info, starred tables, \\u with fallback, fields",
            "{\\rtf1\\ansi\\deff4\\adeflang1025\r\n"
            "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f4\\fswiss\\fprq2\\fcharset0 Arial;}}\r\n"
            "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue255;}\r\n"
            "{\\stylesheet{\\s0\\snext0\\loch\\f3\\fs24 Normal;}\r\n}{\\*\\generator LibreOffice/7.4}"
            "{\\info{\\author Ana}{\\creatim\\yr2024\\mo3}}{\\*\\pgdsctbl\r\n{\\pgdsc0\\pgdscnxt0 Default Page Style;}}"
            "\\formshade\\sectd{\\*\\ftnsep\\chftnsep}\\pgndec\\pard\\plain "
            "\\s0\\ql\\widctlpar\\ltrpar\\cf1\\loch\\f3\\fs24\\lang3082{\\cf3\\b\\rtlch \\ltrch\\loch\r\n"
            "Ma\\u241\\'f1ana}{\\rtlch \\ltrch\\loch\r\n \\u8364\\'80 y \\u8594\\'3f }"
            "{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt enlace}}\r\n"
            "\\par \\pard\\plain \\s0\\ql{\\cf2\\fs28\\rtlch \\ltrch\\loch\r\nazul}\r\n\\par }",
            "{ff00ff b 12}Ma\u00F1ana{000000 12} \u20AC y \u2192 enlace\n{0000ff 14}azul\n"},
        {"AbiWord: colour table without auto, list tags, \\uc1 \\u with letter fallback",
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl\r\n{\\f0\\fswiss\\fcharset0\\fprq2 Arial;}\r\n"
            "{\\f1\\froman\\fcharset0\\fprq2 Times New Roman;}\r\n}\r\n{\\colortbl\r\n\\red0\\green0\\blue0;\r\n"
            "\\red255\\green0\\blue0;\r\n}\r\n{\\stylesheet\r\n{\\s1\\f1\\fs24\\lang3082 Normal;}\r\n}\r\n"
            "\\kerning0\\cf0\\ftnbj\\sectd\\sbknone\\pgwsxn11905\r\n\\pard\\plain\\ltrpar\\s1\\ql\\f0\\fs24\\lang3082"
            "{\\cf1\\b\\f0\\fs24\\lang3082{\\*\\listtag0}Rojo}{\\f0\\fs24\\lang3082{\\*\\listtag0} \\'bfqu\\'e9? "
            "\\uc1\\u937 O}\r\n\\par\\pard\\plain\\ltrpar\\s1\\ql\\f0\\fs24\\lang3082{\\f0\\fs24\\lang3082"
            "{\\*\\listtag0}Fin}\r\n}",
            "{ff0000 b 12}Rojo{000000 12} \u00BFqu\u00E9? \u03A9\nFin"},
    };
    for (const Case &c : cases) {
        QTextDocument document;
        Rtf::read(c.rtf, document);
        EXPECT_EQ(describe(document), c.expected) << c.name;
    }
}

TEST(RtfTest, readsTheRegistrationLineAsPlainWindows1252Text)
{
    const std::vector<std::pair<QByteArray, std::string>> cases = {
        {"Ana Mu\xF1oz 01/02/2024\r\n", "{000000}Ana Mu\u00F1oz 01/02/2024\n"},
        {"a\rb\nc\r\nd\n\re", "{000000}a\nb\nc\nd\n\ne"},
        {"\x80 \xBF \xA1", "{000000}\u20AC \u00BF \u00A1"},
        {"", ""},
        {"\\rtf1 {no es rtf}", "{000000}\\rtf1 {no es rtf}"},
    };
    for (const auto &[bytes, expected] : cases) {
        QTextDocument document;
        Rtf::read(bytes, document);
        EXPECT_EQ(describe(document), expected) << bytes.toStdString();
        if (!document.isEmpty()) {
            EXPECT_EQ(document.begin().begin().fragment().charFormat().fontFamilies().toStringList(),
                QStringList {QStringLiteral("Arial")});
        }
    }
}

TEST(RtfTest, keepsTheReadableTextOfMalformedInput)
{
    const QByteArray thirtyDigits(30, '9');
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {"{\\rtf1 Hola \\b mun", QStringLiteral("Hola mun")},
        {"{\\rtf1 a\\", QStringLiteral("a")},
        {"{\\rtf1 a\\'f", QStringLiteral("af")},
        {"{\\rtf1 a\\'zz", QStringLiteral("azz")},
        {"{\\rtf1{\\colortbl;\\red255", QString()},
        {"{\\rtf1 a}b}", QStringLiteral("a")},
        {"{\\rtf1{{{\\b a", QStringLiteral("a")},
        {"{\\rtf1 " + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "y}", QStringLiteral("xy")},
        {"{\\rtf1 " + QByteArray(100000, '{') + "z", QStringLiteral("z")},
        {"{\\rtf1\\fs" + thirtyDigits + " a\\cf" + thirtyDigits + " b\\u" + thirtyDigits + "?c\\li-" + thirtyDigits
                + " d\\uc" + thirtyDigits + "\\u65 ABCDEFGHIJKLMNOPQRSTU}",
            QStringLiteral("abcdAQRSTU")},
        {"{\\rtf1 a\\bin" + thirtyDigits + " bc}", QStringLiteral("a")},
        {"{\\rtf1 a{\\pict\\bin4 }{\\}}b}", QStringLiteral("ab")},
        {"{\\rtf1\\uc3\\u937{x}y\\uc2\\u12354\\'82\\'a0z\\u-3?}", QStringLiteral("\u03A9xy\u3042z\uFFFD")},
        {"{\\rtf1 a\\~b\\-c\\_d\\{\\}\\\\\\*e}", QStringLiteral("a\u00A0bc-d{}\\")},
        {"{\\rtf1 a\\line b\\\nc\\tab d\te\\emdash\\rquote}", QStringLiteral("a\nb\nc\td\te\u2014\u2019")},
        {QByteArray("{\\rtf1 a\x01\x02\0b}", 14), QStringLiteral("ab")},
    };
    for (const auto &[rtf, expected] : cases) {
        EXPECT_EQ(textOf(rtf), expected) << rtf.left(80).toStdString();
    }
}

TEST(RtfTest, survivesTruncationAndBinaryJunk)
{
    QTextDocument history;
    build(history, {{QStringLiteral("Espa\u00F1a \u03A9\n"), Blue, true}, {QStringLiteral("{fin}\t"), Red, false, 9}});
    const QByteArray rtf = Rtf::write(history);
    const QString full = history.toPlainText();
    // A cut inside an escape may garble the last two characters; all before them must be intact.
    for (qsizetype length = QByteArrayView("{\\rtf").size(); length < rtf.size(); ++length) {
        const QString text = textOf(rtf.left(length));
        EXPECT_TRUE(full.startsWith(text.left(std::max<qsizetype>(0, text.size() - 2))))
            << length << ": " << text.toStdString();
    }

    quint32 seed = 12345;
    QByteArray junk(64 * 1024, Qt::Uninitialized);
    for (char &byte : junk) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<char>(seed >> 24);
    }
    EXPECT_TRUE(textOf("{\\rtf1 ok" + junk).startsWith(QStringLiteral("ok")));
    EXPECT_FALSE(textOf(junk).isEmpty());
}

} // namespace
