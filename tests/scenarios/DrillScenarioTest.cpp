#include "TypingWindowFixture.h"

#include "ControlsInside.h"
#include "DrillColours.h"
#include "KeyboardWidget.h"

#include <QHash>
#include <QTextCursor>
#include <QTextDocument>

namespace
{

// Colour and boldness of the character at a document position of a pane.
QTextCharFormat formatAt(const RichTextPane *pane, int documentPosition)
{
    QTextCursor cursor(pane->document());
    cursor.setPosition(documentPosition + 1);
    return cursor.charFormat();
}

QColor colourAt(const RichTextPane *pane, int documentPosition)
{
    return formatAt(pane, documentPosition).foreground().color();
}

QHash<const QWidget *, QRect> placesOf(const MainWindow &window)
{
    QHash<const QWidget *, QRect> places;
    for (const QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        places.insert(child, child->geometry());
    }
    return places;
}

} // namespace

class DrillScenario : public TypingWindowFixture
{
protected:
    DrillScenario()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("Ab\ncd"));
        folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/2.txt"), QStringLiteral("ñá\n"));
    }

    QStringList ticker() const
    {
        return {controls().timeLabel->text(), controls().speedLabel->text(), controls().accuracyLabel->text()};
    }
};

TEST_F(DrillScenario, EveryKeyIsJudgedAndGuidedAResizeLosesNothingAndTheLastKeyFinishesTheDrillAndMovesOn)
{
    open();
    const MainWindowControls &c = controls();
    RichTextPane *pane = c.exercisePane;
    EXPECT_EQ(pane->text(), QStringLiteral("Ab\r\ncd"));
    EXPECT_FALSE(pane->inputEnabled());
    // The sounds get ready when a drill starts, not while the window opens.
    EXPECT_TRUE(recording.sound.played.isEmpty());

    c.startButton->click();
    EXPECT_TRUE(pane->inputEnabled());
    EXPECT_EQ(c.nextCharLabel->text(), QStringLiteral("A"));
    // The guide frames the next key in blue, and Shift in green for a capital.
    const KeyboardWidget &keyboard = window->keyboardWidget();
    EXPECT_EQ(keyboard.frameColour(13), QColor(Qt::blue));
    EXPECT_EQ(keyboard.frameColour(36), QColor(Qt::green));

    // The right letter in the wrong case: red, counted, hinted, sounded; nothing echoed.
    Typing::type(pane, QStringLiteral("a"));
    EXPECT_EQ(c.wrongCount->text(), QStringLiteral("1"));
    EXPECT_EQ(c.hintLine->text(), QStringLiteral("hint 0"));
    EXPECT_EQ(recording.sound.played, (QStringList {QStringLiteral("fallo.wav")}));
    EXPECT_EQ(pane->text(), QStringLiteral("ab\r\ncd"));
    EXPECT_EQ(colourAt(pane, 0), DrillColours::Wrong);
    EXPECT_TRUE(c.echoPane->text().isEmpty());
    EXPECT_EQ(keyboard.frameColour(13), QColor(Qt::blue));

    // The right key after a wrong one stands in magenta, bold, in both panes.
    Typing::type(pane, QStringLiteral("A"));
    EXPECT_EQ(pane->text(), QStringLiteral("Ab\r\ncd"));
    EXPECT_EQ(colourAt(pane, 0), DrillColours::RightAfterError);
    EXPECT_EQ(formatAt(pane, 0).fontWeight(), QFont::Bold);
    EXPECT_EQ(c.echoPane->text(), QStringLiteral("A"));
    EXPECT_EQ(colourAt(c.echoPane, 0), DrillColours::RightAfterError);
    EXPECT_TRUE(c.hintLine->text().isEmpty());
    EXPECT_EQ(keyboard.frameColour(13), QColor(Qt::white));
    EXPECT_EQ(keyboard.frameColour(36), QColor(Qt::white));
    EXPECT_EQ(keyboard.frameColour(29), QColor(Qt::blue));

    // Editing keys do nothing at all, and the echo pane takes no key.
    Typing::type(c.echoPane, QStringLiteral("z\n"));
    Typing::press(c.echoPane, Qt::Key_Delete);
    EXPECT_EQ(c.echoPane->text(), QStringLiteral("A"));
    Typing::press(pane, Qt::Key_Backspace);
    Typing::press(pane, Qt::Key_Delete);
    Typing::type(pane, QStringLiteral("b"));
    EXPECT_EQ(colourAt(pane, 1), DrillColours::Right);
    EXPECT_EQ(c.nextCharLabel->text(), QStringLiteral("Intro"));

    // Resized in the middle of the drill, the window loses nothing of it; with the keyboard
    // hidden the panes keep its room, and shown again it takes it back.
    window->show();
    resize(1920, 1018);
    const int paneHeight = c.exercisePane->height();
    c.keyboardButton->click();
    resize(1366, 698);
    EXPECT_TRUE(keyboard.isHidden());
    EXPECT_EQ(c.exercisePane->height(), c.workArea->height() - 40);
    resize(1920, 1018);
    c.keyboardButton->click();
    EXPECT_EQ(c.exercisePane->height(), paneHeight);
    EXPECT_TRUE(pane->inputEnabled());
    EXPECT_EQ(c.echoPane->text(), QStringLiteral("Ab"));

    // At a line break only Enter counts; any other key just sounds.
    Typing::type(pane, QStringLiteral("x"));
    Typing::press(pane, Qt::Key_Shift);
    EXPECT_EQ(c.wrongCount->text(), QStringLiteral("1"));
    EXPECT_EQ(recording.sound.played.size(), 3);
    Typing::type(pane, QStringLiteral("\n"));
    EXPECT_EQ(c.rightCount->text(), QStringLiteral("3"));
    EXPECT_EQ(c.echoPane->text(), QStringLiteral("Ab\r\n"));
    EXPECT_EQ(c.nextCharLabel->text(), QStringLiteral("c"));

    Typing::type(pane, QStringLiteral("cd"));
    EXPECT_EQ(recording.sound.played.last(), QStringLiteral("fin.wav"));
    EXPECT_EQ(recording.dialogs.messages, QStringList {QStringLiteral("fin")});
    EXPECT_FALSE(window->drill().isRunning());
    EXPECT_FALSE(pane->inputEnabled());
    EXPECT_TRUE(c.nextCharLabel->isHidden());
    // Finished before the first tick: the speed is what the first tick would have shown, and the
    // accuracy this drill's own.
    EXPECT_EQ(c.echoPane->text(),
        QStringLiteral(
            "Ab\r\ncd ** 300(p/m) - 0 s. - 1(Err.) - 5(c.) ** - Castellano\\01 Uno\\1 - Precision 80 %\r\n"));
    EXPECT_EQ(c.bestSpeed->text(), QStringLiteral("300 +"));
    EXPECT_EQ(c.averageSpeed->text(), QStringLiteral("300 M"));

    // The drill's result waits for the next drill, past the message, and goes at the next key.
    EXPECT_EQ(c.hintLine->text(), QString());
    advance();
    Typing::deliverLaterCalls();
    EXPECT_EQ(c.hintLine->text(), QStringLiteral("Resultado: 300 p/m, 80 % de precisión, 1 error. Fallos: A→a"));
    // A capital without Shift can only be Caps Lock.
    Typing::type(pane, QStringLiteral("Ñ"));
    EXPECT_EQ(c.hintLine->text(), QStringLiteral("Tienes activado Bloq Mayús"));
    EXPECT_EQ(c.numberField->text(), QStringLiteral("2"));
    EXPECT_EQ(c.exerciseLabel->text(), QStringLiteral("Castellano\\01 Uno\\2"));
    EXPECT_TRUE(pane->inputEnabled());
    // The next drill's echo starts on a new line, and starting again removes just that echo and
    // shows the exercise afresh.
    const QString afterFirst = c.echoPane->text();
    Typing::type(pane, QStringLiteral("ñ"));
    EXPECT_EQ(c.echoPane->text(), afterFirst + QStringLiteral("ñ"));
    c.startButton->click();
    EXPECT_EQ(c.echoPane->text(), afterFirst);
    EXPECT_EQ(pane->text(), QStringLiteral("ñá\r\n"));
    EXPECT_EQ(colourAt(pane, 0), DrillColours::Untyped);
    EXPECT_NE(formatAt(pane, 0).fontWeight(), QFont::Bold);
    Typing::type(pane, QStringLiteral("ñ"));
    // A vowel composed from the dead accent key is judged like any other key, and an exercise
    // ending in a line break is finished by its Enter.
    Typing::compose(pane, QStringLiteral("á"));
    Typing::type(pane, QStringLiteral("\n"));
    EXPECT_FALSE(window->drill().isRunning());
    EXPECT_EQ(c.echoPane->text(),
        afterFirst
            + QStringLiteral(
                "ñá\r\n ** 180(p/m) - 0 s. - 0(Err.) - 3(c.) ** - Castellano\\01 Uno\\2 - Precision 100 %\r\n"));
    EXPECT_EQ(c.averageSpeed->text(), QStringLiteral("240 M"));
}

TEST_F(DrillScenario, TheTickerShowsTimeSpeedAndAccuracyOnceASecond)
{
    open();
    controls().startButton->click();
    DrillModel &drill = window->drill();
    drill.tick();
    EXPECT_EQ(ticker(), (QStringList {QStringLiteral("0 s."), QStringLiteral("0 (p/m)"), QStringLiteral("Precision")}));
    // Three right keys (the Enter among them) and four wrong ones.
    Typing::type(controls().exercisePane, QStringLiteral("xxxxAb\n"));
    drill.tick();
    // (3 - 4) x 100 / 3 rounds down to -34.
    EXPECT_EQ(ticker(),
        (QStringList {QStringLiteral("1 s."), QStringLiteral("90 (p/m)"), QStringLiteral("Precision -34 %")}));

    // A new drill shows none of the last one's accuracy or hint beside its counts of zero.
    Typing::type(controls().exercisePane, QStringLiteral("x"));
    ASSERT_FALSE(controls().hintLine->text().isEmpty());
    controls().startButton->click();
    EXPECT_TRUE(controls().hintLine->text().isEmpty());
    EXPECT_EQ(controls().accuracyLabel->text(), QStringLiteral("Precision"));
    EXPECT_EQ(controls().wrongCount->text(), QStringLiteral("0"));
}

TEST_F(DrillScenario, AFramedWindowGivesUpOnlyTheFramesHeightAtTheBottomAndAt200PercentTheExerciseIsReadWhole)
{
    MainWindow &window = open();
    window.show();
    resize(1920, 1080);
    const QHash<const QWidget *, QRect> frameless = placesOf(window);

    // Maximised under a 32 px panel with a 30 px title bar.
    resize(1920, 1018);
    expectEveryControlInside(window);
    for (auto place = frameless.cbegin(); place != frameless.cend(); ++place) {
        const QRect now = place.key()->geometry();
        const QRect before = place.value();
        SCOPED_TRACE(place.key()->metaObject()->className());
        EXPECT_EQ(now.x(), before.x());
        EXPECT_EQ(now.width(), before.width());
        // Each control either keeps its place or goes up with the bottom edge; what fills the
        // work area gets 62 px lower instead.
        EXPECT_TRUE(now.top() == before.top() || now.top() == before.top() - 62) << now.top() << " " << before.top();
        EXPECT_TRUE(now.height() == before.height() || now.height() == before.height() - 62);
    }
    EXPECT_EQ(controls().exercisePane->height(), frameless.value(controls().exercisePane).height() - 62);
    EXPECT_EQ(controls().accuracyLabel->y(), frameless.value(controls().accuracyLabel).y() - 62);
    EXPECT_EQ(controls().exitButton->geometry(), frameless.value(controls().exitButton));

    // A 1080p screen at 200 %: the current exercise leaves the tool bar and is still read whole.
    resize(960, 540);
    expectEveryControlInside(window);
    EXPECT_GE(controls().exerciseLabel->width(), controls().exerciseLabel->sizeHint().width());
}

TEST_F(DrillScenario, ALearnerWhoTurnedTheSoundOffHearsNothing)
{
    folder.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana"));
    folder.write(QStringLiteral("Ajustes/Ana.ini"), QStringLiteral("[sonido]\nactivo=false\n"));
    open(QStringLiteral("Ana"));
    controls().startButton->click();
    Typing::type(controls().exercisePane, QStringLiteral("xAb\nx"));
    Typing::press(controls().exercisePane, Qt::Key_Shift);
    EXPECT_EQ(controls().wrongCount->text(), QStringLiteral("2"));
    EXPECT_TRUE(recording.sound.played.isEmpty()) << recording.sound.played.join(u' ').toStdString();
}

TEST_F(DrillScenario, TheSmallestWindowDrawsTheKeyboardSmallerAndShowsTwoWholeLinesOfTheExercise)
{
    MainWindow &window = open();
    window.show();
    KeyboardWidget &keyboard = window.keyboardWidget();
    resize(1366, 698);
    const QSize fullKeyboard = keyboard.size();
    const QRect fullSpaceBar = keyboard.keyRect(KeyboardLayout::SpaceBar);

    resize(window.minimumWidth(), window.minimumHeight());
    // The tool bar as drawn, the exam button last, still fits a screen 1024 pixels wide.
    EXPECT_LE(window.minimumWidth(), 1000);
    EXPECT_LE(window.minimumHeight(), 472);
    expectEveryControlInside(window);
    // Smaller, in its proportions, with its keys and their hit areas.
    EXPECT_LT(keyboard.height(), fullKeyboard.height());
    EXPECT_NEAR(
        double(keyboard.width()) / keyboard.height(), double(fullKeyboard.width()) / fullKeyboard.height(), 0.02);
    const QRect spaceBar = keyboard.keyRect(KeyboardLayout::SpaceBar);
    EXPECT_LT(spaceBar.width(), fullSpaceBar.width());
    EXPECT_TRUE(keyboard.rect().contains(spaceBar));
    const RichTextPane *pane = controls().exercisePane;
    EXPECT_LT(pane->geometry().bottom(), keyboard.geometry().top());
    // Two lines of the exercise at its size fit whole between the pane's margins.
    const QFontMetrics text(formatAt(pane, 0).font());
    EXPECT_GE(pane->viewport()->height(), 2 * text.lineSpacing() + 2 * pane->document()->documentMargin());
    EXPECT_EQ(formatAt(pane, 0).font().pointSize(), 36);

    // Back at a common size, the keyboard is drawn as it was.
    resize(1366, 698);
    EXPECT_EQ(keyboard.size(), fullKeyboard);
    EXPECT_EQ(keyboard.keyRect(KeyboardLayout::SpaceBar), fullSpaceBar);
}
