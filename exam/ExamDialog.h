#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QSpinBox;

// Where the learner chooses a timed test: its length, the text (the current exercise or one of
// the course's test texts) and how many keystrokes an error costs.
class ExamDialog : public QDialog
{
    Q_OBJECT

public:
    // texts are the titles offered, in order; the first is chosen at first.
    ExamDialog(const QStringList &texts, int minutes, int penalty, QWidget *parent = nullptr);

    int minutes() const;
    // The index of the chosen text in the list given.
    int textIndex() const;
    int penalty() const;

    QButtonGroup &minuteButtons();
    QComboBox &textList();
    QSpinBox &penaltyField();

private:
    QButtonGroup *minuteChoice;
    QComboBox *texts;
    QSpinBox *penaltyBox;
};
