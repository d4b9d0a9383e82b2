// The judged character reaches the screen first: the exercise pane is painted while the key is
// still being handled, before the counters, the labels and the keyboard the key also changes.
#include "TypingWindowFixture.h"

#include "RichTextPane.h"
#include "Typing.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <vector>

namespace
{

// The widgets of the application in the order they are painted.
class PaintOrder : public QObject
{
public:
    PaintOrder()
    {
        qApp->installEventFilter(this);
    }
    ~PaintOrder() override
    {
        qApp->removeEventFilter(this);
    }
    std::vector<const QObject *> painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            painted.push_back(watched);
        }
        return false;
    }
};

} // namespace

class KeyRepaintScenario : public TypingWindowFixture
{
protected:
    KeyRepaintScenario()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("jf\nfj"));
    }

    // Types one key and tells what was painted while it was handled, then what the window
    // painted after it.
    void typeAndCheckThePaneComesFirst(const QString &key, const char *what)
    {
        SCOPED_TRACE(what);
        const QWidget *paneView = controls().exercisePane->viewport();
        PaintOrder order;
        Typing::type(controls().exercisePane, key);
        ASSERT_FALSE(order.painted.empty());
        for (const QObject *widget : order.painted) {
            EXPECT_EQ(widget, paneView);
        }
        order.painted.clear();
        QApplication::processEvents();
        EXPECT_FALSE(order.painted.empty()) << "the rest of the key is painted afterwards";
    }
};

TEST_F(KeyRepaintScenario, TheJudgedCharacterIsPaintedWhileTheKeyIsHandledAndAloneFirst)
{
    open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    controls().startButton->click();
    QApplication::processEvents();

    typeAndCheckThePaneComesFirst(QStringLiteral("j"), "a right key");
    EXPECT_EQ(controls().rightCount->text(), QStringLiteral("1"));
    typeAndCheckThePaneComesFirst(QStringLiteral("k"), "a wrong key");
    EXPECT_EQ(controls().wrongCount->text(), QStringLiteral("1"));
    EXPECT_FALSE(controls().hintLine->text().isEmpty());
    typeAndCheckThePaneComesFirst(QStringLiteral("f"), "the right key after a wrong one");
    EXPECT_TRUE(controls().hintLine->text().isEmpty());
    typeAndCheckThePaneComesFirst(QStringLiteral("\n"), "the Enter of a line break");
    EXPECT_EQ(controls().exercisePane->selStart(), 4);
    EXPECT_EQ(controls().nextCharLabel->text(), QStringLiteral("f"));
}
