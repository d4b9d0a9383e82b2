#include "ClaveButtons.h"

#include "SoundPlayer.h"

#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace
{

// The digit a key stands for, from the top row or the keypad; -1 for any other key, or a digit
// held with Ctrl, Alt or Meta, which is no digit typed but a shortcut.
int typedDigit(const QKeyEvent &key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return -1;
    }
    return key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9 ? key.key() - Qt::Key_0 : -1;
}

} // namespace

ClaveButtons::ClaveButtons(const Buttons &buttons, SoundPlayer &sound, QObject *parent)
    : QObject(parent)
    , buttons(buttons)
    , sound(sound)
{
    for (int index = 0; index < ClaveDigits::Count; ++index) {
        showDigit(index);
        buttons[index]->installEventFilter(this);
        connect(buttons[index], &QPushButton::clicked, this, [this, index] {
            digits.step(index);
            showDigit(index);
        });
    }
}

const ClaveDigits &ClaveButtons::clave() const
{
    return digits;
}

void ClaveButtons::setFocusAfterLast(QWidget *widget)
{
    afterLast = widget;
}

bool ClaveButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto button = std::find(buttons.cbegin(), buttons.cend(), watched);
    const int value = typedDigit(*static_cast<QKeyEvent *>(event));
    if (button == buttons.cend() || value < 0) {
        return false;
    }
    type(static_cast<int>(button - buttons.cbegin()), value);
    return true;
}

void ClaveButtons::type(int index, int value)
{
    if (!digits.set(index, value)) {
        sound.beep();
        return;
    }
    showDigit(index);
    QWidget *next = index + 1 < ClaveDigits::Count ? buttons[index + 1] : afterLast;
    if (next) {
        next->setFocus(Qt::TabFocusReason);
    }
}

void ClaveButtons::showDigit(int index)
{
    buttons[index]->setText(QString::number(digits.digit(index)));
}
