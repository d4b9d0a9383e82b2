#pragma once

#include "LearnerStatistics.h"
#include "StatsSchema.h"

#include <QSqlDatabase>

// One learner's statistics database. Every call answers, whatever the file is like: a database
// that cannot be used reports it through state() and writes nothing.
class StatsStore : public LearnerStatistics
{
public:
    // An empty path keeps the statistics in memory for this run only.
    explicit StatsStore(const QString &path);
    ~StatsStore() override;
    StatsStore(const StatsStore &) = delete;
    StatsStore &operator=(const StatsStore &) = delete;

    StatsSchema::Outcome state() const;
    bool usable() const override;

    // False when the database is unusable, locked or full.
    bool record(const DrillRecord &drill) override;
    bool recordExam(const ExamRecord &exam) override;

    QList<DrillRecord> drills() const override;
    QList<KeyCount> keyTotals() const override;
    QList<Mistake> mistakeTotals() const override;
    QList<ExamRecord> exams() const override;

private:
    bool writeDrill(const DrillRecord &drill);
    bool addToTotals(const QList<KeyCount> &keys, const QList<Mistake> &mistakes);

    QString connectionName;
    QSqlDatabase database;
    StatsSchema::Outcome outcome = StatsSchema::Outcome::Unusable;
};
