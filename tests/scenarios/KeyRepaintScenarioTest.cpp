// The judged character reaches the screen first: the exercise pane is painted while the key is
// still being handled, before the counters, the labels and the keyboard the key also changes.
#include "TypingWindowFixture.h"

#include "PaintCounter.h"

#include <algorithm>

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
    // Types one key and tells what was painted while it was handled, then what the window
    // painted after it.
    void typeAndCheckThePaneComesFirst(const QString &key, const char *what)
    {
        SCOPED_TRACE(what);
        const QWidget *paneView = controls().exercisePane->viewport();
        PaintCounter order(qApp);
        Typing::type(controls().exercisePane, key);
        ASSERT_FALSE(order.widgets.empty());
        for (const QObject *widget : order.widgets) {
            EXPECT_EQ(widget, paneView);
        }
        order.widgets.clear();
        QApplication::processEvents();
        EXPECT_FALSE(order.widgets.empty()) << "the rest of the key is painted afterwards";
        EXPECT_EQ(std::count(order.widgets.begin(), order.widgets.end(), paneView), 0) << "the pane is painted once";
        expectTheScreenShowsTheWholePane(window.get(), controls().exercisePane->viewport());
    }
};

TEST_F(KeyRepaintScenario, TheJudgedCharacterIsPaintedFirstAndAloneOnlyWhatFollowsItAndAsAWholeRepaintWould)
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

    typeAndCheckThePaneComesFirst(QStringLiteral("j"), "a right key");
    EXPECT_EQ(controls().rightCount->text(), QStringLiteral("1"));
    typeAndCheckThePaneComesFirst(QStringLiteral("k"), "a wrong key");
    EXPECT_EQ(controls().wrongCount->text(), QStringLiteral("1"));
    EXPECT_FALSE(controls().hintLine->text().isEmpty());
    typeAndCheckThePaneComesFirst(QStringLiteral("j"), "the right key after a wrong one");
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
    typeAndCheckThePaneComesFirst(QStringLiteral("\n"), "the Enter of a line break");
    EXPECT_EQ(controls().exercisePane->selStart(), longLine.size() + 2);
    EXPECT_EQ(controls().nextCharLabel->text(), QStringLiteral("f"));
    Typing::type(controls().exercisePane, QStringLiteral("f"));
    QApplication::processEvents();

    // A right key in the middle of the short line: its line's width is not repainted.
    PaintCounter order(qApp);
    Typing::type(controls().exercisePane, QStringLiteral("j"));
    QApplication::processEvents();
    const qint64 lineArea = qint64(paneView->width()) * controls().exercisePane->cursorRect().height();
    EXPECT_GT(order.pixels.value(paneView), 0);
    EXPECT_LT(order.pixels.value(paneView), lineArea / 2);
    expectTheScreenShowsTheWholePane(window.get(), paneView);
    EXPECT_EQ(controls().rightCount->text(), QString::number(longLine.size() + 3));
    QApplication::setCursorFlashTime(flashTime);
}
