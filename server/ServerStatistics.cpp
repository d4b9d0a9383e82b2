#include "ServerStatistics.h"

#include "ServerLink.h"
#include "ServerRecords.h"

#include <QVariant>

ServerStatistics::ServerStatistics(std::shared_ptr<ServerLink> link, const QString &learner)
    : link(std::move(link))
    , learner(learner)
{
}

ServerStatistics::ServerStatistics(
    std::shared_ptr<ServerLink> link, const QString &learner, const QString &teacherSession)
    : link(std::move(link))
    , learner(learner)
    , teacherSession(teacherSession)
{
}

bool ServerStatistics::usable() const
{
    return !teacherSession.isEmpty() || !link->session(learner).isEmpty();
}

bool ServerStatistics::record(const DrillRecord &drill)
{
    return teacherSession.isEmpty()
        && link->deliver(learner, ServerQueue::Item::Kind::Drill, ServerRecords::drillOf(drill));
}

bool ServerStatistics::recordExam(const ExamRecord &exam)
{
    return teacherSession.isEmpty()
        && link->deliver(learner, ServerQueue::Item::Kind::Exam, ServerRecords::examOf(exam));
}

bool ServerStatistics::read(const QString &what, QSqlQuery *query) const
{
    if (!teacherSession.isEmpty()) {
        return link->read(
                   QStringLiteral("SELECT * FROM teclora.class_%1(?, ?)").arg(what), {teacherSession, learner}, query)
            == ServerLink::Answer::Done;
    }
    // What waits in the queue is part of the figures as soon as the server is back.
    link->sendQueuedUnlessAway();
    return link->read(QStringLiteral("SELECT * FROM teclora.my_%1(?)").arg(what), {link->session(learner)}, query)
        == ServerLink::Answer::Done;
}

QList<DrillRecord> ServerStatistics::drills() const
{
    QList<DrillRecord> drills;
    QSqlQuery query;
    if (read(QStringLiteral("drills"), &query)) {
        while (query.next()) {
            DrillRecord drill;
            drill.finished = query.value(0).toString();
            drill.exercise = query.value(1).toString();
            drill.seconds = query.value(2).toInt();
            drill.speed = query.value(3).toLongLong();
            drill.right = query.value(4).toLongLong();
            drill.wrong = query.value(5).toLongLong();
            drill.accuracy = query.value(6).toLongLong();
            drills.append(drill);
        }
    }
    return drills;
}

QList<KeyCount> ServerStatistics::keyTotals() const
{
    QList<KeyCount> keys;
    QSqlQuery query;
    if (read(QStringLiteral("key_totals"), &query)) {
        while (query.next()) {
            keys.append({QChar(query.value(0).toInt()), query.value(1).toLongLong(), query.value(2).toLongLong()});
        }
    }
    return keys;
}

QList<Mistake> ServerStatistics::mistakeTotals() const
{
    QList<Mistake> mistakes;
    QSqlQuery query;
    if (read(QStringLiteral("mistake_totals"), &query)) {
        while (query.next()) {
            mistakes.append({QChar(query.value(0).toInt()), QChar(query.value(1).toInt()), query.value(2).toInt(),
                query.value(3).toLongLong()});
        }
    }
    return mistakes;
}

QList<ExamRecord> ServerStatistics::exams() const
{
    QList<ExamRecord> exams;
    QSqlQuery query;
    if (read(QStringLiteral("exams"), &query)) {
        while (query.next()) {
            ExamRecord exam;
            exam.finished = query.value(0).toString();
            exam.text = query.value(1).toString();
            exam.minutes = query.value(2).toInt();
            exam.seconds = query.value(3).toInt();
            exam.penalty = query.value(4).toInt();
            exam.keystrokes = query.value(5).toLongLong();
            exam.errors = query.value(6).toLongLong();
            exam.gross = query.value(7).toLongLong();
            exam.net = query.value(8).toLongLong();
            exam.accuracy = query.value(9).toLongLong();
            exams.append(exam);
        }
    }
    return exams;
}
