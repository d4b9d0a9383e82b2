#pragma once

#include "DrillRecord.h"
#include "ExamRecord.h"
#include "StatsSchema.h"

#include <QSqlDatabase>

// One learner's statistics database. Every call answers, whatever the file is like: a database
// that cannot be used reports it through state() and writes nothing.
class StatsStore
{
public:
    // An empty path keeps the statistics in memory for this run only.
    explicit StatsStore(const QString &path);
    ~StatsStore();
    StatsStore(const StatsStore &) = delete;
    StatsStore &operator=(const StatsStore &) = delete;

    StatsSchema::Outcome state() const;

    // Writes the drill and adds it to the totals, all or nothing; false when the database is
    // unusable, locked or full.
    bool record(const DrillRecord &drill);

    // Writes a timed test and adds its keys to the totals, all or nothing; false when the database
    // is unusable, locked or full.
    bool recordExam(const ExamRecord &exam);

    // Every drill in the order it was finished; keys and mistakes are left empty.
    QList<DrillRecord> drills() const;
    // The characters of every drill together, in character order.
    QList<KeyCount> keyTotals() const;
    QList<Mistake> mistakeTotals() const;
    // Every timed test in the order it was finished.
    QList<ExamRecord> exams() const;

private:
    bool writeDrill(const DrillRecord &drill);
    bool addToTotals(const QList<KeyCount> &keys, const QList<Mistake> &mistakes);

    QString connectionName;
    QSqlDatabase database;
    StatsSchema::Outcome outcome = StatsSchema::Outcome::Unusable;
};
