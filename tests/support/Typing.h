#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace Typing
{

// What the event loop delivers between two keys: the calls a key left for later, and those they
// leave in turn (the end of a drill leaves the message that announces it).
inline void deliverLaterCalls()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }
}

// One key down and up, as a keyboard sends it.
inline void sendKey(QWidget *widget, int qtKey, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &up);
    deliverLaterCalls();
}

// Types text into widget key by key, as a keyboard would: "\n" is the Enter key.
inline void type(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        if (character == QLatin1Char('\n')) {
            sendKey(widget, Qt::Key_Return, QStringLiteral("\r"));
        } else {
            const QChar upper = character.toUpper();
            const int key = upper.unicode() < 128 ? upper.unicode() : int(Qt::Key_unknown);
            sendKey(widget, key, QString(character));
        }
    }
}

// One key without a character (Backspace, Delete, arrows, Shift ...).
inline void press(QWidget *widget, int qtKey)
{
    sendKey(widget, qtKey, QString());
}

// A character composed by the input method (a dead key, then a vowel).
inline void compose(QWidget *widget, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
    deliverLaterCalls();
}

} // namespace Typing
