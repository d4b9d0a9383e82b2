#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>

// Stops the text carets blinking once nobody has pressed a key or a mouse button for a few
// seconds: the caret stays on where it is, and blinks again at the next key or click. A blinking
// caret repaints twice a second, and a program left open while the learner thinks or is away
// should wake nobody for it.
class CaretRest : public QObject
{
public:
    // Watches the input of the whole application from now on.
    explicit CaretRest(int restAfterMs = 5000);
    ~CaretRest() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void blink();

    const int restAfter;
    const int flashTime; // the desktop's, given back when the carets blink again
    QElapsedTimer sinceInput;
    QBasicTimer rest;
};
