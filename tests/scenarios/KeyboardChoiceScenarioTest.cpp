#include "TypingWindowFixture.h"

#include "ActiveLayout.h"
#include "KeyboardWidget.h"

namespace
{

using Layout = KeyboardMap::Layout;

class DetectedLayout : public ActiveLayout
{
public:
    Layout activeLayout() const override
    {
        return detected;
    }
    Layout detected = Layout::LatinAmerica;
};

const QColor Blue(0, 0, 255);
const QColor Green(0, 255, 0);
const QColor White(255, 255, 255);

int frameNamed(const char *xkbName)
{
    return KeyboardKeys::frameOf(KeyboardKeys::keyNamed(QLatin1String(xkbName)));
}

} // namespace

class KeyboardChoiceScenario : public TypingWindowFixture
{
protected:
    KeyboardChoiceScenario()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("¿á"));
    }

    const KeyboardWidget &keyboard()
    {
        return window->keyboardWidget();
    }

    DetectedLayout system;
};

TEST_F(KeyboardChoiceScenario, TheSystemsKeyboardIsOfferedOnceAndTheToolBarSwitchesDrawingAndGuide)
{
    recording.platform.activeLayout = &system;
    open();
    EXPECT_EQ(keyboard().accessibleName(), QStringLiteral("teclado España"));
    window->show();
    Typing::deliverLaterCalls();
    ASSERT_EQ(recording.dialogs.questions.size(), 1);
    EXPECT_TRUE(recording.dialogs.questions[0].contains(u"Latinoamérica"));
    EXPECT_EQ(keyboard().accessibleName(), QStringLiteral("teclado Latinoamérica"));
    window->hide();
    window->show();
    Typing::deliverLaterCalls();
    EXPECT_EQ(recording.dialogs.questions.size(), 1); // once

    controls().startButton->click();
    // ¿ is the plain level of the key right of 0 in Latin America, Shift on it in Spain.
    EXPECT_EQ(keyboard().frameColour(frameNamed("AE12")), Blue);
    EXPECT_EQ(keyboard().frameColour(frameNamed("LFSH")), White);
    EXPECT_EQ(controls().layoutButton->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    controls().layoutButton->click();
    EXPECT_EQ(keyboard().accessibleName(), QStringLiteral("teclado España"));
    EXPECT_EQ(keyboard().frameColour(frameNamed("AE12")), Blue);
    EXPECT_EQ(keyboard().frameColour(frameNamed("LFSH")), Green);
    EXPECT_TRUE(controls().layoutButton->accessibleName().contains(u"cambiar a Latinoamérica"));
}

TEST_F(KeyboardChoiceScenario, WrongKeysThatTheOtherKeyboardGivesAtTheFramedKeyOfferTheSwitchOnce)
{
    open();
    window->show();
    Typing::deliverLaterCalls();
    EXPECT_TRUE(recording.dialogs.questions.isEmpty()); // nothing detected, nothing asked
    controls().startButton->click();
    RichTextPane *pane = controls().exercisePane;
    // Shift + the key right of 0 gives ¡ on the Latin American keyboard; x is just a wrong key.
    Typing::type(pane, QStringLiteral("x¡x¡"));
    EXPECT_TRUE(recording.dialogs.questions.isEmpty());
    Typing::type(pane, QStringLiteral("¡"));
    ASSERT_EQ(recording.dialogs.questions.size(), 1);
    EXPECT_TRUE(recording.dialogs.questions[0].contains(u"Latinoamérica"));
    EXPECT_EQ(keyboard().accessibleName(), QStringLiteral("teclado Latinoamérica"));
    // The hints that say where a key is speak of the Latin American keyboard now.
    Typing::type(pane, QStringLiteral("¿a"));
    EXPECT_TRUE(controls().hintLine->text().contains(u"a la derecha de la P"))
        << qPrintable(controls().hintLine->text());
    controls().layoutButton->click();
    // { is what the Latin American keyboard gives at Spain's ´ key, framed for á: not asked again.
    Typing::type(pane, QStringLiteral("{{{"));
    EXPECT_EQ(recording.dialogs.questions.size(), 1);
    EXPECT_EQ(keyboard().accessibleName(), QStringLiteral("teclado España"));
}
