#pragma once

#include "DrillRecord.h"

#include <QWidget>

class Clock;
class ErrorMap;
class ProgressChart;
class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;
class LearnerStatistics;

// The learner's progress: speed and accuracy over time, the lessons practised, the keys with the
// most errors and the error map. Read afresh from the statistics whenever it is shown and after
// every drill while it is open. texts are the statistics' texts of the general language file.
class ProgressWindow : public QWidget
{
    Q_OBJECT

public:
    ProgressWindow(const LearnerStatistics &store, const QStringList &texts, const QString &dataFolder, Clock &clock,
        QWidget *parent = nullptr);

    void refresh();

    const ErrorMap &errorMap() const;
    const QTableWidget &lessonTable() const;
    const QTableWidget &keyTable() const;
    // The timed tests, apart from the drills: how many, the best net speed and the last.
    const QLabel &examSummary() const;
    QPushButton *practiceButton() const;
    QPushButton *exportButton() const;
    // What scrolls when the window is smaller than its contents.
    const QScrollArea &scrollArea() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Within the available area of its screen, frame included, keeping the learner's size and
    // place where they fit.
    void fitIntoScreen();
    void fillLessons(const QList<DrillRecord> &drills);
    void fillKeys();
    void fillExams();

    const LearnerStatistics &store;
    const QStringList texts;
    QScrollArea *scroller;
    bool shownBefore = false;
    QLabel *summary;
    ProgressChart *speedChart;
    QLabel *exams;
    // Net keystrokes per minute of every test, with the best drawn across.
    ProgressChart *examChart;
    QTableWidget *lessons;
    QTableWidget *keys;
    ErrorMap *map;
    QPushButton *practice;
    QPushButton *exporter;
};
