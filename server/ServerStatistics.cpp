#include "ServerStatistics.h"

#include "ServerLink.h"

#include <QJsonArray>
#include <QVariant>

namespace
{

QJsonArray keysOf(const QList<KeyCount> &keys)
{
    QJsonArray array;
    for (const KeyCount &key : keys) {
        array.append(QJsonObject {{QStringLiteral("c"), key.character.unicode()}, {QStringLiteral("r"), key.right},
            {QStringLiteral("w"), key.wrong}});
    }
    return array;
}

QJsonArray mistakesOf(const QList<Mistake> &mistakes)
{
    QJsonArray array;
    for (const Mistake &mistake : mistakes) {
        array.append(QJsonObject {{QStringLiteral("e"), mistake.expected.unicode()},
            {QStringLiteral("t"), mistake.typed.unicode()}, {QStringLiteral("k"), mistake.kind},
            {QStringLiteral("n"), mistake.times}});
    }
    return array;
}

} // namespace

ServerStatistics::ServerStatistics(std::shared_ptr<ServerLink> link, const QString &learner)
    : link(std::move(link))
    , learner(learner)
{
}

bool ServerStatistics::usable() const
{
    return !link->session(learner).isEmpty();
}

bool ServerStatistics::record(const DrillRecord &drill)
{
    return link->deliver(learner, ServerQueue::Item::Kind::Drill,
        {{QStringLiteral("finished"), drill.finished}, {QStringLiteral("exercise"), drill.exercise},
            {QStringLiteral("seconds"), drill.seconds}, {QStringLiteral("speed"), drill.speed},
            {QStringLiteral("right_keys"), drill.right}, {QStringLiteral("wrong_keys"), drill.wrong},
            {QStringLiteral("accuracy"), drill.accuracy}, {QStringLiteral("keys"), keysOf(drill.keys)},
            {QStringLiteral("mistakes"), mistakesOf(drill.mistakes)}});
}

bool ServerStatistics::recordExam(const ExamRecord &exam)
{
    return link->deliver(learner, ServerQueue::Item::Kind::Exam,
        {{QStringLiteral("finished"), exam.finished}, {QStringLiteral("text"), exam.text},
            {QStringLiteral("minutes"), exam.minutes}, {QStringLiteral("seconds"), exam.seconds},
            {QStringLiteral("penalty"), exam.penalty}, {QStringLiteral("keystrokes"), exam.keystrokes},
            {QStringLiteral("errors"), exam.errors}, {QStringLiteral("gross"), exam.gross},
            {QStringLiteral("net"), exam.net}, {QStringLiteral("accuracy"), exam.accuracy},
            {QStringLiteral("keys"), keysOf(exam.keys)}, {QStringLiteral("mistakes"), mistakesOf(exam.mistakes)}});
}

bool ServerStatistics::read(const QString &function, QSqlQuery *query) const
{
    // What waits in the queue is part of the figures as soon as the server is back.
    link->sendQueued();
    return link->call(QStringLiteral("SELECT * FROM teclora.%1(?)").arg(function), {link->session(learner)}, query)
        == ServerLink::Answer::Done;
}

QList<DrillRecord> ServerStatistics::drills() const
{
    QList<DrillRecord> drills;
    QSqlQuery query;
    if (read(QStringLiteral("my_drills"), &query)) {
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
    if (read(QStringLiteral("my_key_totals"), &query)) {
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
    if (read(QStringLiteral("my_mistake_totals"), &query)) {
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
    if (read(QStringLiteral("my_exams"), &query)) {
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
