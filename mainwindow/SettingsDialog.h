#pragma once

#include "AccessChoices.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

// "Ajustes": the learner's choices of contrast, type, text size, animations and sound. Every
// change is told at once, so the window behind shows it while the dialog is still open; the
// keyboard reaches every choice (Tab, and the underlined letters with Alt).
class SettingsDialog : public QDialog
{
    Q_OBJECT

public:
    SettingsDialog(const AccessChoices &current, QWidget *parent = nullptr);

    AccessChoices choices() const;

Q_SIGNALS:
    void choicesChanged(const AccessChoices &choices);

private:
    QCheckBox *highContrast;
    QCheckBox *dyslexiaFont;
    QComboBox *textSize;
    QCheckBox *animationsOff;
    QCheckBox *soundOff;
};
