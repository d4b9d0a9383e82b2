#include "CaretRest.h"

#include <QApplication>
#include <QEvent>
#include <QTimerEvent>

CaretRest::CaretRest(int restAfterMs)
    : restAfter(restAfterMs)
    , flashTime(QApplication::cursorFlashTime())
{
    qApp->installEventFilter(this);
    sinceInput.start();
    rest.start(restAfter, this);
}

CaretRest::~CaretRest()
{
    blink();
}

bool CaretRest::eventFilter(QObject *, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::InputMethod
        || type == QEvent::Wheel) {
        // Every key passes here: it only notes the time, and the timer looks at it when it fires.
        sinceInput.restart();
        if (!rest.isActive()) {
            blink();
            rest.start(restAfter, this);
        }
    }
    return false;
}

void CaretRest::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != rest.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    const qint64 quiet = sinceInput.elapsed();
    if (quiet < restAfter) {
        rest.start(int(restAfter - quiet), this);
        return;
    }
    rest.stop();
    // A flash time of 0 leaves every caret on.
    QApplication::setCursorFlashTime(0);
}

void CaretRest::blink()
{
    if (QApplication::cursorFlashTime() != flashTime) {
        QApplication::setCursorFlashTime(flashTime);
    }
}
