#pragma once

#include "LearnerStatistics.h"

#include <QString>

#include <memory>

class ServerLink;

// A learner's statistics on the class server, reached with the session of their sign-in.
class ServerStatistics : public LearnerStatistics
{
public:
    ServerStatistics(std::shared_ptr<ServerLink> link, const QString &learner);

    // Whether the learner signed in during this run: what they finish is then kept, on the
    // server or in the queue.
    bool usable() const override;
    bool record(const DrillRecord &drill) override;
    bool recordExam(const ExamRecord &exam) override;
    QList<DrillRecord> drills() const override;
    QList<KeyCount> keyTotals() const override;
    QList<Mistake> mistakeTotals() const override;
    QList<ExamRecord> exams() const override;

private:
    // The rows of the learner's function; no query when the server cannot be reached.
    bool read(const QString &function, class QSqlQuery *query) const;

    std::shared_ptr<ServerLink> link;
    QString learner;
};
