#include "ExamDialog.h"

#include "ExamRules.h"
#include "LearnerSettings.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

ExamDialog::ExamDialog(const QStringList &texts, int minutes, int penalty, QWidget *parent)
    : QDialog(parent)
    , minuteChoice(new QButtonGroup(this))
    , texts(new QComboBox(this))
    , penaltyBox(new QSpinBox(this))
{
    setWindowTitle(QStringLiteral("Examen"));
    auto *durations = new QHBoxLayout;
    for (const int length : ExamRules::durations()) {
        auto *button = new QRadioButton(QStringLiteral("%1 min").arg(length), this);
        button->setChecked(length == minutes);
        minuteChoice->addButton(button, length);
        durations->addWidget(button);
    }
    if (!minuteChoice->checkedButton()) {
        minuteChoice->buttons().constLast()->setChecked(true);
    }
    this->texts->addItems(texts);
    this->texts->setAccessibleName(QStringLiteral("Texto del examen"));
    penaltyBox->setRange(0, LearnerSettings::LargestExamPenalty);
    penaltyBox->setValue(penalty);
    penaltyBox->setSuffix(QStringLiteral(" pulsaciones"));
    penaltyBox->setAccessibleName(QStringLiteral("Penalización por error"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Empezar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Duración:"), durations);
    form->addRow(QStringLiteral("Texto:"), this->texts);
    form->addRow(QStringLiteral("Cada error resta:"), penaltyBox);
    form->addRow(buttons);
}

int ExamDialog::minutes() const
{
    return minuteChoice->checkedId();
}

int ExamDialog::textIndex() const
{
    return texts->currentIndex();
}

int ExamDialog::penalty() const
{
    return penaltyBox->value();
}

QButtonGroup &ExamDialog::minuteButtons()
{
    return *minuteChoice;
}

QComboBox &ExamDialog::textList()
{
    return *texts;
}

QSpinBox &ExamDialog::penaltyField()
{
    return *penaltyBox;
}
