#pragma once

#include <QObject>

class Dialogs;
class MainWindow;
class StatsRecorder;

// "Practice my weak keys": an exercise of the current language's words that hold the learner's
// weakest characters, started in the typing window as any drill is. With too little data the
// learner is offered the first lesson instead.
class WeakKeyPractice : public QObject
{
    Q_OBJECT

public:
    WeakKeyPractice(const StatsRecorder &stats, MainWindow &window, Dialogs &dialogs, QObject *parent = nullptr);

    // True when a drill was started, the practice or the first lesson in its stead.
    bool start();

private:
    bool offerFirstLesson();

    const StatsRecorder &stats;
    MainWindow &window;
    Dialogs &dialogs;
    // Practices of this run, numbering their labels.
    int rounds = 0;
};
