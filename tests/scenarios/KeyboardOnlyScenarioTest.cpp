#include "TypingWindowFixture.h"

#include "AnimatedPicture.h"
#include "KeyboardWidget.h"

#include <QAccessible>
#include <QComboBox>
#include <QSignalSpy>

static QWidget *focused()
{
    return QApplication::focusWidget();
}

using KeyboardOnly = TypingWindowFixture;

TEST_F(KeyboardOnly, TabWalksEveryControlADrillRunsWithoutTheMouseOnShortcutsAndAScreenReaderFollowsIt)
{
    folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("Ab\ncd"));
    folder.write(QStringLiteral("Ejercicios/Castellano/02 Una lección de nombre muy largo/1.txt"), QStringLiteral("x"));
    // The window shown and active, as the desktop hands it to the learner.
    open().resize(1366, 698);
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const MainWindowControls &c = controls();
    // A screen reader hears the frame, a locked pane, what each picture is and the whole lesson.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window.get())->role(), QAccessible::Window);
    QAccessibleInterface *pane = QAccessible::queryAccessibleInterface(c.exercisePane);
    EXPECT_TRUE(pane->state().readOnly);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(c.echoPane)->state().readOnly);
    for (AnimatedPicture *picture : {c.reactionPicture, c.lineAnimation, c.waveAnimation}) {
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name).isEmpty());
    }
    EXPECT_EQ(c.lessonList->item(1)->toolTip(), QStringLiteral("02 Una lección de nombre muy largo"));

    // The history pane is hidden, so Tab passes it by.
    QList<QWidget *> order = c.focusOrder();
    order.removeOne(c.echoPane);

    order.first()->setFocus(Qt::TabFocusReason);
    for (qsizetype step = 1; step <= order.size(); ++step) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        ASSERT_EQ(focused(), order.at(step % order.size())) << "after " << step << " Tab";
    }
    for (qsizetype step = order.size() - 1; step >= 0; --step) {
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        ASSERT_EQ(focused(), order.at(step)) << "Shift+Tab back to " << step;
    }

    // F5 starts the drill from the lesson list and puts the learner in the pane.
    c.lessonList->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_F5);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return focused() == c.exercisePane;
    }));
    ASSERT_TRUE(window->drill().isRunning());
    EXPECT_FALSE(pane->state().readOnly);
    // The keyboard tells the next key and the finger that types it.
    KeyboardWidget &keyboard = window->keyboardWidget();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&keyboard)->role(), QAccessible::Graphic);
    EXPECT_EQ(
        keyboard.accessibleDescription(), QStringLiteral("Siguiente tecla: Mayúsculas y A, dedo meñique izquierdo"));
    QTest::keyClicks(focused(), QStringLiteral("A"));
    EXPECT_EQ(keyboard.accessibleDescription(), QStringLiteral("Siguiente tecla: B, dedo índice izquierdo"));
    QTest::keyClicks(focused(), QStringLiteral("b"));
    EXPECT_EQ(keyboard.accessibleDescription(), QStringLiteral("Siguiente tecla: Intro, dedo meñique derecho"));

    // Tab leaves the pane without being typed, and Shift+Tab comes back to the same place.
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), order.first());
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), c.exercisePane);
    EXPECT_EQ(c.wrongCount->text(), QStringLiteral("0"));

    QTest::keyClick(focused(), Qt::Key_Return);
    QTest::keyClicks(focused(), QStringLiteral("cd"));
    EXPECT_FALSE(window->drill().isRunning());
    advance();
    EXPECT_EQ(focused(), c.exercisePane);

    // Every other tool-bar button has a shortcut that works while the learner types.
    c.startButton->click();
    ASSERT_EQ(focused(), c.exercisePane);
    for (QWidget *control : c.toolBar()) {
        auto *button = qobject_cast<QPushButton *>(control);
        if (!button || button == c.startButton || button == c.exitButton) {
            continue;
        }
        SCOPED_TRACE(qPrintable(button->accessibleName()));
        const QKeySequence shortcut = button->shortcut();
        ASSERT_FALSE(shortcut.isEmpty());
        EXPECT_TRUE(button->toolTip().endsWith(
            QStringLiteral("(") + shortcut.toString(QKeySequence::NativeText) + QStringLiteral(")")));
        QSignalSpy clicks(button, &QPushButton::clicked);
        c.exercisePane->setFocus();
        QTest::keySequence(c.exercisePane, shortcut);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return clicks.count() == 1;
        }));
        // A shortcut is never judged as a key of the exercise.
        EXPECT_EQ(c.wrongCount->text(), QStringLiteral("0"));
        // What a button opened (the file dialog of "Abrir texto") is put away before the next.
        while (QWidget *dialog = QApplication::activeModalWidget()) {
            dialog->close();
        }
        window->showNormal();
        QApplication::setActiveWindow(window.get());
    }
}
