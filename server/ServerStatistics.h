#pragma once

#include "LearnerStatistics.h"

#include <QString>

#include <memory>

class ServerLink;

// A learner's statistics on the class server, reached with the session of their sign-in, or
// read by the teacher with the teacher's session.
class ServerStatistics : public LearnerStatistics
{
public:
    ServerStatistics(std::shared_ptr<ServerLink> link, const QString &learner);
    // The teacher's reading of learner's statistics: nothing can be recorded through it.
    ServerStatistics(std::shared_ptr<ServerLink> link, const QString &learner, const QString &teacherSession);

    // Whether the learner signed in during this run: what they finish is then kept, on the
    // server or in the queue. Always, for the teacher's reading.
    bool usable() const override;
    bool record(const DrillRecord &drill) override;
    bool recordExam(const ExamRecord &exam) override;
    QList<DrillRecord> drills() const override;
    QList<KeyCount> keyTotals() const override;
    QList<Mistake> mistakeTotals() const override;
    QList<ExamRecord> exams() const override;

private:
    // The rows of what ("drills", "key_totals" ...) of the learner; false when the server cannot
    // be reached.
    bool read(const QString &what, class QSqlQuery *query) const;

    std::shared_ptr<ServerLink> link;
    QString learner;
    QString teacherSession;
};
