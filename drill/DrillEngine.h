#pragma once

#include "DrillState.h"
#include "InterfaceTexts.h"

#include <QObject>
#include <QTimer>

class AnimatedPicture;
class KeyFrames;
class QLabel;
class QPushButton;
class RichTextPane;
class SoundPlayer;

// The widgets of the typing window the drill writes to.
struct DrillWidgets {
    RichTextPane *exercisePane;
    RichTextPane *echoPane;
    QLabel *hintLine;
    QLabel *nextCharLabel;
    QLabel *timeLabel;
    QLabel *speedLabel;
    QLabel *accuracyLabel;
    QPushButton *rightCount;
    QPushButton *wrongCount;
    AnimatedPicture *reactionPicture;
    KeyFrames *keyFrames;
};

// Judges every key of a drill, keeps the ticker and has the keyboard guide frame the next key.
// What follows the last right key (the result, the move to the next exercise) is not its business:
// it announces the end through lastCharacterTyped, from inside the key's handling.
class DrillEngine : public QObject
{
    Q_OBJECT

public:
    static const QColor Blue;
    static const QColor Magenta;
    static const QColor Red;
    static const QColor Black;

    DrillEngine(DrillState &state, const InterfaceTexts &texts, const DrillWidgets &widgets, SoundPlayer &sound,
        const QString &appDir, QObject *parent = nullptr);

    // The one-second clock of the live figures.
    QTimer &statisticsTimer();

    void richtextbox1_KeyPress(QChar &typed);
    void RichTextBox1_KeyDown(int &keyCode);
    void RichTextBox2_KeyDown(int &keyCode);
    void Timer1_Timer();
    void ShowKeyGuide();

    // Puts the next character into the large display and has the guide frame its key.
    void ShowNextCharacter();
    // The same at the start of a drill, with the large display shown again.
    void revealNextCharacter();
    // A drill starts: the sounds, and the look of each character typed right, get ready before
    // the first key.
    void prepareForKeys();

    // The counters are the captions of the two counter buttons.
    qint64 rightKeys() const;
    qint64 wrongKeys() const;

Q_SIGNALS:
    // The right key on the last character was typed: the result can be recorded. Connected
    // directly, so the drill goes on only once the receiver has returned.
    void lastCharacterTyped();

private:
    // Both overtype the judged character in the pane themselves and show it first.
    void rightKey(QChar typed);
    void wrongKey(QChar typed);
    void clearHint();
    void finishTyping();
    void showAccuracy(qint64 right);
    void play(const QString &relativePath);

    DrillState &state;
    const InterfaceTexts &texts;
    DrillWidgets widgets;
    SoundPlayer &sound;
    QString appDir;
    QTimer timer1;
};
