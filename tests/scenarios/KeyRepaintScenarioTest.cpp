// Whatever a key changes in the exercise pane, a right or a wrong character, in a wrapped line or
// at a line break, the screen then shows the pane exactly as a repaint of all of it would.
#include "TypingWindowFixture.h"

#include <QImage>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace
{

// What the window has put on the screen where the exercise pane's text lies, beside what the
// pane paints when it is painted whole.
void expectTheScreenShowsTheWholePane(const QWidget *window, QWidget *paneView)
{
    const QPoint place = paneView->mapTo(window, QPoint());
    const QImage onScreen
        = window->screen()
              ->grabWindow(window->winId(), place.x(), place.y(), paneView->width(), paneView->height())
              .toImage()
              .convertToFormat(QImage::Format_RGB32);
    const QImage whole = paneView->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(onScreen.size(), whole.size());
    EXPECT_TRUE(onScreen == whole);
}

} // namespace

class KeyRepaintScenario : public TypingWindowFixture
{
protected:
    void typeAndCheckTheScreen(const QString &key, const char *what)
    {
        SCOPED_TRACE(what);
        Typing::type(controls().exercisePane, key);
        QApplication::processEvents();
        expectTheScreenShowsTheWholePane(window.get(), controls().exercisePane->viewport());
    }
};

TEST_F(KeyRepaintScenario, TheScreenShowsThePaneAsAWholeRepaintWouldAfterEveryKey)
{
    // A first line long enough to wrap, so that keys change wrapped lines too, then a short one.
    QString longLine;
    for (int word = 0; word < 40; ++word) {
        longLine += word % 3 == 0 ? QStringLiteral("jjf ") : QStringLiteral("fj ");
    }
    longLine.chop(1);
    folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), longLine + QStringLiteral("\nfj fj"));
    // A caret that blinks would differ between the screen and a fresh paint now and then.
    const int flashTime = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    controls().startButton->click();
    QApplication::processEvents();
    QWidget *paneView = controls().exercisePane->viewport();
    ASSERT_GT(controls().exercisePane->document()->firstBlock().layout()->lineCount(), 1);

    typeAndCheckTheScreen(QStringLiteral("j"), "a right key");
    EXPECT_EQ(controls().rightCount->text(), QStringLiteral("1"));
    typeAndCheckTheScreen(QStringLiteral("k"), "a wrong key");
    EXPECT_EQ(controls().wrongCount->text(), QStringLiteral("1"));
    EXPECT_FALSE(controls().hintLine->text().isEmpty());
    typeAndCheckTheScreen(QStringLiteral("j"), "the right key after a wrong one");
    EXPECT_TRUE(controls().hintLine->text().isEmpty());

    const QString wrongKeys = QStringLiteral("mi");
    int wrong = 0;
    for (int i = 2; i < longLine.size(); ++i) {
        SCOPED_TRACE(i);
        // Now and then a wider or a narrower character stands in red before the right one.
        if (i % 7 == 3) {
            Typing::type(controls().exercisePane, wrongKeys.at(wrong++ % wrongKeys.size()));
            QApplication::processEvents();
            expectTheScreenShowsTheWholePane(window.get(), paneView);
        }
        Typing::type(controls().exercisePane, longLine.at(i));
        QApplication::processEvents();
        expectTheScreenShowsTheWholePane(window.get(), paneView);
    }
    typeAndCheckTheScreen(QStringLiteral("\n"), "the Enter of a line break");
    EXPECT_EQ(controls().exercisePane->selStart(), longLine.size() + 2);
    EXPECT_EQ(controls().nextCharLabel->text(), QStringLiteral("f"));
    typeAndCheckTheScreen(QStringLiteral("f"), "the first key of the next line");
    typeAndCheckTheScreen(QStringLiteral("j"), "a key in the middle of a short line");
    EXPECT_EQ(controls().rightCount->text(), QString::number(longLine.size() + 3));
    QApplication::setCursorFlashTime(flashTime);
}
