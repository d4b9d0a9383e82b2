#include "RichTextPane.h"
#include "VirtualKeys.h"

#include "QtPrinters.h"
#include "Typing.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <gtest/gtest.h>

TEST(RichTextPane, PositionsCountALineBreakAsTwo)
{
    RichTextPane pane;
    pane.setText(QStringLiteral("ab\r\ncd\nef"));
    EXPECT_EQ(pane.text(), QStringLiteral("ab\r\ncd\r\nef"));
    EXPECT_EQ(pane.length(), 10);

    pane.setSelStart(4);
    pane.setSelLength(2);
    EXPECT_EQ(pane.textCursor().selectedText(), QStringLiteral("cd"));
    EXPECT_EQ(pane.selStart(), 4);
    EXPECT_EQ(pane.selLength(), 2);

    // Selecting a whole line break and replacing it joins the lines.
    pane.setSelStart(2);
    pane.setSelLength(2);
    pane.replaceSelection(QString());
    EXPECT_EQ(pane.text(), QStringLiteral("abcd\r\nef"));

    pane.setSelStart(1000);
    EXPECT_EQ(pane.selStart(), pane.length());
    pane.replaceSelection(QStringLiteral("\rg"));
    EXPECT_EQ(pane.text(), QStringLiteral("abcd\r\nef\r\ng"));
    EXPECT_EQ(pane.selStart(), 11);
}

TEST(RichTextPane, KeysComeOutAsKeyDownThenKeyPressAndNothingElseEdits)
{
    RichTextPane pane;
    pane.setText(QStringLiteral("abc"));
    QList<int> downs;
    QString presses;
    QObject::connect(&pane, &RichTextPane::keyDown, [&](int &code, Qt::KeyboardModifiers) {
        downs.append(code);
        if (code == VirtualKeys::Delete) {
            code = 0;
        }
    });
    QObject::connect(&pane, &RichTextPane::keyPress, [&](QChar &character) {
        presses += character;
        if (character == QLatin1Char('q')) {
            character = QChar();
        }
    });

    pane.setSelStart(0);
    pane.setSelLength(1);
    Typing::type(&pane, QStringLiteral("X"));
    EXPECT_EQ(pane.text(), QStringLiteral("Xbc"));
    Typing::type(&pane, QStringLiteral("q"));
    Typing::press(&pane, Qt::Key_Delete);
    Typing::press(&pane, Qt::Key_Shift);
    Typing::compose(&pane, QStringLiteral("é"));
    EXPECT_EQ(downs, (QList<int> {88, 81, VirtualKeys::Delete, 16, 222}));
    EXPECT_EQ(presses, QStringLiteral("Xqé"));
    EXPECT_EQ(pane.text(), QStringLiteral("Xébc"));

    // Paste and its shortcut never edit, whatever the clipboard holds; a locked pane raises no
    // events at all.
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    EXPECT_FALSE(pane.canPaste());
    pane.paste();
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    QApplication::sendEvent(&pane, &paste);
    EXPECT_EQ(pane.text(), QStringLiteral("Xébc"));
    pane.setInputEnabled(false);
    Typing::type(&pane, QStringLiteral("z"));
    Typing::compose(&pane, QStringLiteral("á"));
    EXPECT_EQ(pane.text(), QStringLiteral("Xébc"));
    EXPECT_EQ(presses, QStringLiteral("Xqé"));
}

namespace
{

// A pane filling a window of its own, shown.
struct ShownPane {
    explicit ShownPane(const QSize &size)
    {
        window.resize(size);
        pane.setGeometry(window.rect());
        window.show();
    }
    QWidget window;
    RichTextPane pane {&window};
};

} // namespace

TEST(RichTextPane, AHiddenPaneShowsItsSelectionInViewWhenShownAgain)
{
    ShownPane shown(QSize(300, 120));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window));
    RichTextPane &pane = shown.pane;
    pane.setText(QStringLiteral("first\r\n"));
    pane.setSelStart(pane.length());
    pane.hide();

    // Written while hidden, as the history is during a drill: its caret no longer follows, and
    // the edits that move that caret do not move the working selection.
    QString lines;
    for (int line = 0; line < 200; ++line) {
        lines += QStringLiteral("line %1\r\n").arg(line);
    }
    {
        RichTextPane::Batch batch(pane);
        pane.setSelStart(pane.length());
        pane.replaceSelection(lines);
    }
    pane.setSelStart(0);
    pane.setSelLength(5);
    pane.replaceSelection(QString());
    {
        RichTextPane::Batch batch(pane);
        pane.setSelStart(pane.length());
        pane.replaceSelection(QStringLiteral("end"));
    }
    EXPECT_TRUE(pane.text().endsWith(QStringLiteral("line 199\r\nend")));

    pane.show();
    EXPECT_TRUE(pane.textCursor().atEnd());
    EXPECT_TRUE(pane.viewport()->rect().contains(pane.cursorRect()));
}

TEST(RichTextPane, TheCaretScrollsThePaneOnlyForALineThatDoesNotShowWhole)
{
    ShownPane shown(QSize(300, 100));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window));
    RichTextPane &pane = shown.pane;
    // One paragraph wrapped into more lines than the pane shows, as an exercise line at a large size.
    pane.setText(QStringLiteral("fj jf ").repeated(120) + QStringLiteral("\r\nfj"));
    const QTextLayout &layout = *pane.document()->firstBlock().layout();
    ASSERT_GT(layout.lineCount(), 8);
    // The last line that shows whole, and the one under it, cut by the pane's edge; scrolled to the
    // top, the text starts under the document's margin.
    const qreal top = pane.document()->documentMargin();
    int whole = 0;
    while (top + layout.lineAt(whole + 1).naturalTextRect().bottom() < pane.viewport()->height()) {
        ++whole;
    }
    const int cut = layout.lineAt(whole + 1).textStart() + 1;

    pane.setSelStart(layout.lineAt(whole).textStart() + 1);
    EXPECT_EQ(pane.verticalScrollBar()->value(), 0);
    pane.setSelStart(cut);
    EXPECT_GT(pane.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(pane.viewport()->rect().contains(pane.cursorRect()));
    // Within a batch the places asked for are shown in turn, the caret's own last, as a key does.
    {
        RichTextPane::Batch batch(pane);
        pane.setSelStart(pane.length());
        pane.setSelStart(1);
    }
    EXPECT_EQ(pane.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(pane.viewport()->rect().contains(pane.cursorRect()));
}
