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

std::string read(const QByteArray &rtf)
{
    QTextDocument document;
    Rtf::read(rtf, document);
    return describe(document);
}

// The raw text, so a no-break space stays one.
QString textOf(const QByteArray &rtf)
{
    QTextDocument document;
    Rtf::read(rtf, document);
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

QString arialOf(const QTextDocument &document)
{
    return document.begin().begin().fragment().charFormat().fontFamilies().toStringList().join(u',');
}

TEST(RtfTest, historyComesBackWithItsTextColoursEmphasisSizesAndLineBreaks)
{
    QTextDocument history;
    QTextCursor cursor(&history);
    for (const TextRun &run : std::vector<TextRun> {{QStringLiteral("Usuario Ana\n\n01/02/2024\n")},
             {QStringLiteral("Ma\u00F1ana "), Blue}, {QStringLiteral("\u00E1"), Red, true},
             {QStringLiteral(" \u00DCber \u00BFs\u00ED? \u00A1No! 5 \u20AC {a\\b}\t"), Blue},
             {QStringLiteral("\u03A9 \U0001F600"), Magenta, false, 14},
             {QStringLiteral("\n125 pulsaciones (Err.) - 3"), Black, true, 10}, {QStringLiteral("\n\n")}}) {
        QTextCharFormat format;
        format.setForeground(QColor(run.colour));
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontPointSize(run.points);
        cursor.insertText(run.text, format);
    }

    const QByteArray rtf = Rtf::write(history);
    QTextDocument loaded;
    Rtf::read(rtf, loaded);

    EXPECT_EQ(describe(loaded), describe(history));
    EXPECT_EQ(Rtf::write(loaded), rtf) << "saving what was loaded must not change the file";
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char byte) {
        return static_cast<uchar>(byte) < 0x80;
    })) << "the file must be 7-bit so any editor reads it";
    // \u takes a signed 16-bit number; other editors misread one past 32767.
    EXPECT_TRUE(rtf.contains("\\u937?") && rtf.contains("\\u-10179?\\u-8704?")) << rtf.toStdString();
    EXPECT_EQ(arialOf(loaded), QStringLiteral("Arial"));
}

TEST(RtfTest, readsWhatOtherEditorsWrite)
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
    };
    for (const auto &[rtf, expected] : samples) {
        EXPECT_EQ(read(rtf), expected) << rtf.left(60).toStdString();
    }
}

TEST(RtfTest, readsTheRegistrationLineAsPlainWindows1252Text)
{
    EXPECT_EQ(
        read("Ana Mu\xF1oz \x80\r\na\rb\nc\n\r\\rtf1 {no}"), "{000000}Ana Mu\u00F1oz \u20AC\na\nb\nc\n\n\\rtf1 {no}");
    QTextDocument document;
    Rtf::read("Ana", document);
    EXPECT_EQ(arialOf(document), QStringLiteral("Arial"));
}

TEST(RtfTest, keepsTheReadableTextOfMalformedInput)
{
    const QByteArray thirtyDigits(30, '9');
    QByteArray junk(64 * 1024, Qt::Uninitialized);
    quint32 seed = 12345;
    for (char &byte : junk) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<char>(seed >> 24);
    }
    const struct {
        const char *name;
        QByteArray rtf;
        QString text;
        bool prefixOnly = false; // whatever follows is junk anyway
    } cases[] = {
        {"empty", "", QString()},
        {"cut in text", "{\\rtf1 Hola \\b mun", QStringLiteral("Hola mun")},
        {"cut after a backslash", "{\\rtf1 a\\", QStringLiteral("a")},
        {"cut in a hex escape", "{\\rtf1 a\\'f", QStringLiteral("af")},
        {"bad hex escape", "{\\rtf1 a\\'zz", QStringLiteral("azz")},
        {"cut in the colour table", "{\\rtf1{\\colortbl;\\red255", QString()},
        {"a closing brace too many", "{\\rtf1 a}b}", QStringLiteral("a")},
        {"groups never closed", "{\\rtf1{{{\\b a", QStringLiteral("a")},
        {"deep nesting", "{\\rtf1 " + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "y}",
            QStringLiteral("xy")},
        {"deep nesting, never closed", "{\\rtf1 " + QByteArray(100000, '{') + "z", QStringLiteral("z")},
        {"huge numbers",
            "{\\rtf1\\fs" + thirtyDigits + " a\\cf" + thirtyDigits + " b\\u" + thirtyDigits + "?c\\li-" + thirtyDigits
                + " d\\uc" + thirtyDigits + "\\u65 ABCDEFGHIJKLMNOPQRSTU}",
            QStringLiteral("abcdAQRSTU")},
        {"huge \\bin", "{\\rtf1 a\\bin" + thirtyDigits + " bc}", QStringLiteral("a")},
        {"\\bin data in a skipped picture", "{\\rtf1 a{\\pict\\bin4 }{\\}}b}", QStringLiteral("ab")},
        {"control bytes and NUL", QByteArray("{\\rtf1 a\x01\x02\0b}", 14), QStringLiteral("ab")},
        {"random bytes after text", "{\\rtf1 ok" + junk, QStringLiteral("ok"), true},
        {"random bytes alone", junk, QString(), true},
    };
    for (const auto &c : cases) {
        const QString text = textOf(c.rtf);
        EXPECT_EQ(c.prefixOnly ? text.left(c.text.size()) : text, c.text) << c.name;
    }
    EXPECT_FALSE(textOf(junk).isEmpty());
}

} // namespace
