#include "Typing.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

namespace Typing
{

namespace
{

void sendKey(QWidget *widget, int qtKey, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &up);
}

} // namespace

void type(QWidget *widget, const QString &text)
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

void press(QWidget *widget, int qtKey)
{
    sendKey(widget, qtKey, QString());
}

void compose(QWidget *widget, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(widget, &event);
}

} // namespace Typing
