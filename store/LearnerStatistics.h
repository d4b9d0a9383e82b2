#pragma once

#include "DrillRecord.h"
#include "ExamRecord.h"

// One learner's statistics, wherever they are kept. Every call answers: a store that cannot be
// written says so with false, one that cannot be read gives nothing.
class LearnerStatistics
{
public:
    virtual ~LearnerStatistics() = default;

    // Whether drills can be recorded and read back; the recorder keeps a run's statistics in
    // memory when they cannot.
    virtual bool usable() const = 0;

    // Writes the drill and adds it to the totals, all or nothing.
    virtual bool record(const DrillRecord &drill) = 0;
    // Writes a timed test and adds its keys to the totals, all or nothing.
    virtual bool recordExam(const ExamRecord &exam) = 0;

    // Every drill in the order it was finished; keys and mistakes are left empty.
    virtual QList<DrillRecord> drills() const = 0;
    // The characters of every drill together, in character order.
    virtual QList<KeyCount> keyTotals() const = 0;
    virtual QList<Mistake> mistakeTotals() const = 0;
    // Every timed test in the order it was finished.
    virtual QList<ExamRecord> exams() const = 0;
};
