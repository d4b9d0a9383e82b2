#pragma once

#include "Platform.h"

#include <QObject>

class MainWindow;
class ProgressWindow;
class WeakKeyPractice;

// Joins the progress window to the typing window: the typing window's progress button opens
// it, and its practice button starts a drill in the typing window.
class ProgressLink : public QObject
{
    Q_OBJECT

public:
    // Owned by window, like the progress window it makes.
    static ProgressLink *attach(MainWindow &window, const Platform &platform);

    ProgressWindow &progressWindow();
    // Writes the CSV files and tells the learner where they are, in a box over the progress
    // window, where the learner asked for them and goes on reading.
    void exportStatistics();

private:
    ProgressLink(MainWindow &window, const Platform &platform);

    MainWindow &window;
    Platform platform;
    ProgressWindow *progress;
    WeakKeyPractice *practice;
};
