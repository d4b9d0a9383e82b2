#include "SettingsDialog.h"

#include "LearnerSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace
{

QCheckBox *choice(const QString &text, bool checked, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setChecked(checked);
    return box;
}

} // namespace

SettingsDialog::SettingsDialog(const AccessChoices &current, QWidget *parent)
    : QDialog(parent)
    , highContrast(choice(QStringLiteral("&Alto contraste"), current.highContrast, this))
    , dyslexiaFont(choice(QStringLiteral("Letra para &dislexia"), current.dyslexiaFont, this))
    , textSize(new QComboBox(this))
    , animationsOff(choice(QStringLiteral("Sin a&nimaciones decorativas"), current.animationsOff, this))
    , soundOff(choice(QStringLiteral("Sin &sonidos"), current.soundOff, this))
{
    setWindowTitle(QStringLiteral("Ajustes"));
    highContrast->setAccessibleDescription(
        QStringLiteral("texto negro sobre blanco, aciertos en azul oscuro, fallos en blanco sobre rojo"));
    for (const int points : LearnerSettings::textSizes()) {
        textSize->addItem(QStringLiteral("%1 puntos").arg(points), points);
    }
    // A size of an older file that is not offered any more still shows as the one in use.
    if (textSize->findData(current.textSize) < 0) {
        textSize->addItem(QStringLiteral("%1 puntos").arg(current.textSize), current.textSize);
    }
    textSize->setCurrentIndex(textSize->findData(current.textSize));
    textSize->setAccessibleName(QStringLiteral("Tamaño de la letra"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Cerrar"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout(this);
    form->addRow(highContrast);
    form->addRow(dyslexiaFont);
    form->addRow(QStringLiteral("&Tamaño de la letra:"), textSize);
    form->addRow(animationsOff);
    form->addRow(soundOff);
    form->addRow(buttons);

    const auto tell = [this] {
        Q_EMIT choicesChanged(choices());
    };
    for (QCheckBox *box : {highContrast, dyslexiaFont, animationsOff, soundOff}) {
        connect(box, &QCheckBox::toggled, this, tell);
    }
    connect(textSize, &QComboBox::currentIndexChanged, this, tell);
    highContrast->setFocus();
}

AccessChoices SettingsDialog::choices() const
{
    return {highContrast->isChecked(), dyslexiaFont->isChecked(), textSize->currentData().toInt(),
        animationsOff->isChecked(), soundOff->isChecked()};
}
