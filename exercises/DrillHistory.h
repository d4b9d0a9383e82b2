#pragma once

#include <QObject>
#include <QString>

class AnimatedPicture;
class Dialogs;
class QLabel;
class QPushButton;
class QTimer;
class RichTextPane;
struct DrillState;
struct InterfaceTexts;

struct HistoryWidgets {
    QLabel *speedLabel;
    QLabel *timeLabel;
    QPushButton *wrongCount;
    QPushButton *rightCount;
    QLabel *exerciseLabel;
    QLabel *accuracyLabel;
    QPushButton *bestSpeed;
    QPushButton *averageSpeed;
    AnimatedPicture *reactionPicture;
    AnimatedPicture *lineAnimation;
    AnimatedPicture *waveAnimation;
    RichTextPane *exercisePane;
    RichTextPane *echoPane;
};

// The result of every finished drill, the best and average speeds of this run, and the echo
// pane as the learner's history: loaded at start with a date line, saved at the exit.
class DrillHistory : public QObject
{
    Q_OBJECT

public:
    // historyFile is empty for a learner who works unregistered: nothing is loaded or saved.
    DrillHistory(DrillState &drill, const InterfaceTexts &texts, const HistoryWidgets &widgets, QTimer &statisticsTimer,
        Dialogs &dialogs, const QString &historyFile, QObject *parent = nullptr);

    void FinishDrill();
    void DiscardEcho();
    void LoadUserHistory(const QString &today);
    // Saves the history (if there is a learner); false, after telling the learner, when it
    // could not be saved, or must not be, as the file it would replace could not be loaded.
    bool saveHistory();
    void SaveAndExit();

    double BestSpeed = 0;
    qint64 DrillCount = 0;
    qint64 SpeedSum = 0;
    // Where the echo of the current drill begins (1-based, as EchoPos).
    int EchoMark = 1;

Q_SIGNALS:
    // The result is recorded and the learner has closed the end message: time to move on.
    void drillRecorded();
    // The learner confirmed leaving the program.
    void exitRequested();

private:
    DrillState &drill;
    const InterfaceTexts &texts;
    HistoryWidgets widgets;
    QTimer &statisticsTimer;
    Dialogs &dialogs;
    QString historyFile;
    // The learner's history is there but could not be loaded: saving this run's shorter history
    // over it would lose it.
    bool unreadHistoryKept = false;
};
