#include "DrillEngine.h"

#include "AnimatedPicture.h"
#include "DrillRules.h"
#include "KeyFrames.h"
#include "RichTextPane.h"
#include "SoundPlayer.h"
#include "VirtualKeys.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <utility>
#include <vector>

const QColor DrillEngine::Blue = QColor(0, 0, 255);
const QColor DrillEngine::Magenta = QColor(255, 0, 255);
const QColor DrillEngine::Red = QColor(255, 0, 0);
const QColor DrillEngine::Black = QColor(0, 0, 0);

namespace
{

const QColor FrameWhite(255, 255, 255);
const QColor FrameBlue(0, 0, 255);
const QColor FrameGreen(0, 255, 0);
constexpr int ShiftFrame = 36;

const QString LineBreak = QStringLiteral("\r");

void increment(QPushButton *counter)
{
    counter->setText(QString::number(DrillRules::leadingNumber(counter->text()) + 1));
}

} // namespace

DrillEngine::DrillEngine(DrillState &state, const InterfaceTexts &texts, const DrillWidgets &widgets,
    SoundPlayer &sound, const QString &appDir, QObject *parent)
    : QObject(parent)
    , state(state)
    , texts(texts)
    , widgets(widgets)
    , sound(sound)
    , appDir(appDir)
{
    timer1.setInterval(1000);
    connect(&timer1, &QTimer::timeout, this, &DrillEngine::Timer1_Timer);
}

QTimer &DrillEngine::statisticsTimer()
{
    return timer1;
}

qint64 DrillEngine::rightKeys() const
{
    return DrillRules::leadingNumber(widgets.rightCount->text());
}

qint64 DrillEngine::wrongKeys() const
{
    return DrillRules::leadingNumber(widgets.wrongCount->text());
}

void DrillEngine::prepareForKeys()
{
    sound.prepare();
}

void DrillEngine::play(const QString &relativePath)
{
    sound.play(appDir + QLatin1Char('/') + relativePath);
}

void DrillEngine::richtextbox1_KeyPress(QChar &typed)
{
    const QString expected = state.expected();
    if (expected.isEmpty()) {
        // Nothing to type (no exercise was ever loaded): the key is neither right nor wrong.
        clearHint();
        typed = QChar();
        return;
    }
    if (expected.front() == typed) {
        rightKey(typed);
    } else {
        wrongKey(typed);
    }
    // The pane has shown the character already.
    typed = QChar();
    ShowNextCharacter();
}

void DrillEngine::clearHint()
{
    // Clearing a label repaints it even when it is empty already; most keys find it empty.
    if (!widgets.hintLine->text().isEmpty()) {
        widgets.hintLine->clear();
    }
}

void DrillEngine::rightKey(QChar typed)
{
    RichTextPane &pane = *widgets.exercisePane;
    const QColor colour = state.ErrorPending ? Magenta : Blue;
    state.ErrorPending = false;
    {
        const RichTextPane::Batch paneChanges(pane);
        // Placing the caret ahead first scrolls the text still to come into view.
        pane.setSelStart(state.TargetPos + 50);
        pane.setSelStart(state.TargetPos - 1);
        pane.setSelLength(1);
        pane.setSelBold(true);
        pane.setSelColor(colour);
        // The pane would overtype the character once the key is handled; done here, the judged
        // character reaches the screen before anything else the key changes.
        pane.overtype(typed);
    }
    {
        RichTextPane &echo = *widgets.echoPane;
        const RichTextPane::Batch echoChanges(echo);
        echo.setSelStart(state.EchoPos - 1);
        echo.setSelBold(true);
        echo.setSelColor(colour);
        echo.setSelLength(1);
        echo.replaceSelection(QString(typed));
    }
    clearHint();
    widgets.reactionPicture->play(appDir + QStringLiteral("/gifs/si.gif"));
    increment(widgets.rightCount);
    if (state.TargetPos == state.TargetText.size()) {
        finishTyping();
    }
    ++state.EchoPos;
    ++state.TargetPos;
}

void DrillEngine::finishTyping()
{
    widgets.speedLabel->setText(
        QString::number(DrillRules::keystrokesPerMinute(rightKeys(), state.ElapsedSeconds)) + QStringLiteral("(p/m)"));
    widgets.timeLabel->setText(QString::number(state.ElapsedSeconds) + QStringLiteral(" s."));
    // The ticker may not have run since the last keys: the result line carries this drill's
    // own accuracy, never the previous drill's.
    showAccuracy(rightKeys());
    state.DrillDone = true;
    play(QStringLiteral("fin.wav"));
    Q_EMIT lastCharacterTyped();
    widgets.nextCharLabel->hide();
}

void DrillEngine::wrongKey(QChar typed)
{
    RichTextPane &pane = *widgets.exercisePane;
    {
        const RichTextPane::Batch paneChanges(pane);
        pane.setSelStart(state.TargetPos - 1);
        pane.setSelLength(1);
        pane.setSelColor(Red);
        // The wrong character stands in red over the expected one, shown before the rest.
        pane.overtype(typed);
    }
    state.ErrorPending = true;
    play(QStringLiteral("fallo.wav"));
    widgets.reactionPicture->play(appDir + QStringLiteral("/gifs/no.gif"));
    widgets.hintLine->setText(texts.HintTexts.value(DrillRules::hintFor(state.expected().front(), typed)));
    increment(widgets.wrongCount);
}

void DrillEngine::ShowNextCharacter()
{
    const QString next = state.expected();
    state.GuideChar = next;
    if (next == QLatin1String(" ")) {
        widgets.nextCharLabel->setText(texts.UiTexts.value(InterfaceTexts::SpaceKeyName));
    } else if (next == LineBreak) {
        widgets.nextCharLabel->setText(texts.UiTexts.value(InterfaceTexts::EnterKeyName));
    } else {
        widgets.nextCharLabel->setText(next);
    }
    ShowKeyGuide();
}

void DrillEngine::revealNextCharacter()
{
    widgets.nextCharLabel->show();
    ShowNextCharacter();
}

void DrillEngine::RichTextBox1_KeyDown(int &keyCode)
{
    const bool lineBreakDue = state.expected() == LineBreak;
    if (lineBreakDue && keyCode != VirtualKeys::Enter) {
        keyCode = 0;
        play(QStringLiteral("fallo.wav"));
        return;
    }
    if (lineBreakDue) {
        keyCode = 0;
        state.TargetPos += 2;
        widgets.exercisePane->setSelStart(state.TargetPos - 1);
        increment(widgets.rightCount);
        {
            RichTextPane &echo = *widgets.echoPane;
            const RichTextPane::Batch echoChanges(echo);
            echo.setSelStart(state.EchoPos - 1);
            echo.replaceSelection(LineBreak);
        }
        // The break fills two positions of the echo pane; EchoPos stays one past the echo.
        if (state.TargetPos > state.TargetText.size()) {
            // A text that ends with a line break is finished by the Enter for it.
            ++state.EchoPos;
            finishTyping();
            ++state.EchoPos;
            ++state.TargetPos;
        } else {
            state.EchoPos += 2;
        }
        ShowNextCharacter();
        return;
    }
    if (keyCode == VirtualKeys::Enter || keyCode == VirtualKeys::Delete || keyCode == VirtualKeys::Backspace) {
        keyCode = 0;
    }
}

void DrillEngine::RichTextBox2_KeyDown(int &keyCode)
{
    keyCode = 0;
}

void DrillEngine::Timer1_Timer()
{
    widgets.timeLabel->setText(QString::number(state.ElapsedSeconds) + QStringLiteral(" s."));
    ++state.ElapsedSeconds;
    const qint64 right = rightKeys();
    widgets.speedLabel->setText(
        QString::number(DrillRules::keystrokesPerMinute(right, state.ElapsedSeconds)) + QStringLiteral(" (p/m)"));
    if (right > 0) {
        showAccuracy(right);
    }
}

void DrillEngine::showAccuracy(qint64 right)
{
    widgets.accuracyLabel->setText(texts.UiTexts.value(InterfaceTexts::AccuracyWord) + QLatin1Char(' ')
        + QString::number(DrillRules::accuracyPercent(right, wrongKeys())) + QStringLiteral(" %"));
}

void DrillEngine::ShowKeyGuide()
{
    if (state.GuideChar.isEmpty() || !widgets.keyFrames) {
        return;
    }
    const QChar character = state.GuideChar.front();
    const int frame = DrillRules::guideFrameFor(character);
    widgets.keyFrames->setFrameColour(state.GuideShapeIndex, FrameWhite);
    widgets.keyFrames->setFrameColour(ShiftFrame, DrillRules::needsShift(character) ? FrameGreen : FrameWhite);
    widgets.keyFrames->setFrameColour(frame, FrameBlue);
    state.GuideShapeIndex = frame;
}
