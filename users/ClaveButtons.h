#pragma once

#include "ClaveDigits.h"

#include <QObject>

#include <array>

class QPushButton;
class QWidget;
class SoundPlayer;

// The four code buttons of a clave, each showing its digit of the clave they hold. A click steps
// the digit; a digit typed on a focused button takes its place, and the focus moves on to the next
// button, after the last to the widget that follows them. A digit the place cannot take (0 first)
// is refused with the system's warning sound.
class ClaveButtons : public QObject
{
    Q_OBJECT

public:
    using Buttons = std::array<QPushButton *, ClaveDigits::Count>;

    ClaveButtons(const Buttons &buttons, SoundPlayer &sound, QObject *parent = nullptr);

    const ClaveDigits &clave() const;
    // Where the focus goes once the last digit is typed (the frame's "Aceptar").
    void setFocusAfterLast(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void type(int index, int value);
    void showDigit(int index);

    Buttons buttons;
    SoundPlayer &sound;
    ClaveDigits digits;
    QWidget *afterLast = nullptr;
};
