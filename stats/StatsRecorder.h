#pragma once

#include "DrillModel.h"
#include "KeyTally.h"
#include "LearnerStatistics.h"

#include <QObject>
#include <QStringList>

#include <memory>

class Clock;
class Dialogs;
class LearnerStore;

// Keeps the statistics of the learner at the typing window: tallies every key the drill judges
// and records the drill in the learner's store when it ends. Statistics that cannot be kept
// never stop a drill: the learner is told once per run, and the statistics of this run are kept
// in memory instead.
class StatsRecorder : public QObject
{
    Q_OBJECT

public:
    // user is empty for a learner who works unregistered: the statistics last for the run.
    // The texts come from dataDir, the learner's statistics from learners.
    StatsRecorder(const DrillModel &drill, const QString &dataDir, LearnerStore &learners, const QString &user,
        Dialogs &dialogs, Clock &clock, QObject *parent = nullptr);
    ~StatsRecorder() override;

    const LearnerStatistics &store() const;
    const QStringList &texts() const;
    // Records a finished timed test beside the drills, with the keys tallied since it started; a
    // database that cannot be used is said once, as for a drill.
    void recordExam(ExamRecord exam);

    // The learner's name as the statistics know it, for the export folder; empty unregistered.
    QString learner() const;

Q_SIGNALS:
    void drillRecorded();

private:
    void tally(const DrillModel::Judgement &judgement);
    void recordDrill();
    void tellOnce();

    const DrillModel &drill;
    Dialogs &dialogs;
    Clock &clock;
    QStringList words;
    QString learnerName;
    std::unique_ptr<LearnerStatistics> database;
    KeyTally keys;
    // The file could not be used; this run's drills are kept in memory.
    bool fellBack = false;
    bool told = false;
};
