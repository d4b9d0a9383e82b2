#pragma once

#include "DrillModel.h"
#include "DrillPalette.h"
#include "ExamRules.h"
#include "LearnerHistory.h"

#include <QObject>
#include <QString>

#include <memory>

class Dialogs;
class QPushButton;
class RichTextPane;
struct InterfaceTexts;

// The learner's history in the echo pane: every character typed right is echoed there, each
// finished drill leaves its result line, and the echo of a drill left unfinished is taken out
// when the next one starts. Loaded at start with a date line; the date line and every finished
// drill go to the learner's store as they come, and the whole is saved at the exit. It also
// keeps the best and average speeds of this run.
class DrillHistory : public QObject
{
    Q_OBJECT

public:
    struct Widgets {
        RichTextPane *echoPane;
        QPushButton *bestSpeed;
        QPushButton *averageSpeed;
    };

    // history is null for a learner who works unregistered: nothing is loaded or saved.
    DrillHistory(const DrillModel &model, const InterfaceTexts &texts, const Widgets &widgets, Dialogs &dialogs,
        std::unique_ptr<LearnerHistory> history, QObject *parent = nullptr);
    ~DrillHistory() override;

    // Loads the learner's history and opens today's part of it with a date line.
    void load(const QString &today);
    // Saves the history (if there is a learner); false, after telling the learner, when it
    // could not be saved, or must not be, as the file it would replace could not be loaded.
    bool save();
    // The exit button: saves, then asks whether to leave.
    void saveAndExit();

    // The colours of the characters echoed from now on.
    void setPalette(const DrillPalette &colours);
    // Leaves a timed test's result line after what was typed in it.
    void recordExam(int minutes, const ExamRules::Figures &figures, const QString &title);

    double bestSpeed() const;
    qint64 averageSpeed() const;

Q_SIGNALS:
    // The learner confirmed leaving the program.
    void exitRequested();

private:
    void echo(const DrillModel::Judgement &judgement);
    void discardUnfinishedEcho();
    void recordResult();
    void append(const QString &text);
    // Hands the store what the pane holds from position start on.
    void keepFrom(int start);

    const DrillModel &model;
    const InterfaceTexts &texts;
    Widgets widgets;
    Dialogs &dialogs;
    std::unique_ptr<LearnerHistory> history;
    DrillPalette palette = DrillPalette::standard();
    // How much of the pane's end is the echo of the drill under way (a line break counts two).
    int echoLength = 0;
    double best = 0;
    qint64 drillCount = 0;
    qint64 speedSum = 0;
    // The learner's history is there but could not be loaded: saving this run's shorter history
    // over it would lose it.
    bool unreadHistoryKept = false;
};
