#include "ServerLink.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QSet>
#include <QSqlError>
#include <QUuid>

#include <algorithm>

ServerLink::ServerLink(const ServerAddress &address, const QString &queuePath)
    : connection(address)
    , queue(queuePath)
{
}

namespace
{

// A failed call that took this long waited for a server that did not answer, not one that refused.
constexpr std::chrono::milliseconds SlowFailure {1000};
// How long finished drills then go to the queue untried: a window waits a connection's timeout at
// most once in that time, and the queue reaches the server at the first drill after it, or at the
// next sign-in, which always tries.
constexpr std::chrono::minutes HoldAfterSlowFailure {5};

} // namespace

ServerLink::Answer ServerLink::call(const QString &statement, const QVariantList &values, QSqlQuery *query)
{
    away = false;
    QElapsedTimer trying;
    trying.start();
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!connection.open()) {
            break;
        }
        QSqlQuery running(connection.database());
        running.prepare(statement);
        for (const QVariant &value : values) {
            running.addBindValue(value);
        }
        if (running.exec()) {
            if (query) {
                *query = std::move(running);
            }
            hold = QDeadlineTimer();
            return Answer::Done;
        }
        const QString error = running.lastError().text();
        running = QSqlQuery();
        if (connection.answers()) {
            qWarning().noquote() << "The class server refused a call:" << error;
            return Answer::Refused;
        }
    }
    away = true;
    if (trying.elapsed() >= SlowFailure.count()) {
        hold.setRemainingTime(HoldAfterSlowFailure);
    }
    return Answer::Unreachable;
}

ServerLink::Answer ServerLink::read(const QString &statement, const QVariantList &values, QSqlQuery *query)
{
    return away ? Answer::Unreachable : call(statement, values, query);
}

QString ServerLink::session(const QString &name) const
{
    return sessions.value(name.toCaseFolded());
}

void ServerLink::signedIn(const QString &storedName, const QString &session)
{
    sessions.insert(storedName.toCaseFolded(), session);
    storedNames.insert(storedName.toCaseFolded(), storedName);
}

QString ServerLink::storedName(const QString &name) const
{
    return storedNames.value(name.toCaseFolded());
}

bool ServerLink::deliver(const QString &learner, ServerQueue::Item::Kind kind, const QJsonObject &body)
{
    if (session(learner).isEmpty()) {
        return false;
    }
    const ServerQueue::Item item {QUuid::createUuid().toString(QUuid::WithoutBraces), learner, kind, body};
    if (!hold.hasExpired()) {
        return enqueue(item);
    }
    sendQueued();
    // A learner's items reach the server in the order they were finished.
    const QString folded = learner.toCaseFolded();
    const bool earlierWaiting = std::any_of(queue.items().cbegin(), queue.items().cend(), [&folded](const auto &q) {
        return q.learner.toCaseFolded() == folded;
    });
    if (earlierWaiting) {
        return enqueue(item);
    }
    switch (send(item)) {
    case Sent::Accepted:
        return true;
    case Sent::Rejected:
        return false;
    case Sent::NoSession:
    case Sent::Unreachable:
        break;
    }
    return enqueue(item);
}

void ServerLink::sendQueued()
{
    if (!hold.hasExpired()) {
        return;
    }
    // A learner whose item could not go keeps the later ones back too.
    QSet<QString> heldBack;
    const QList<ServerQueue::Item> waiting = queue.items();
    for (const ServerQueue::Item &item : waiting) {
        const QString learner = item.learner.toCaseFolded();
        if (heldBack.contains(learner)) {
            continue;
        }
        switch (send(item)) {
        case Sent::Accepted:
        case Sent::Rejected:
            // An item the server will never take would hold back every later one for good.
            if (!queue.remove(item.id)) {
                return;
            }
            break;
        case Sent::NoSession:
            heldBack.insert(learner);
            break;
        case Sent::Unreachable:
            return;
        }
    }
}

void ServerLink::sendQueuedUnlessAway()
{
    if (!away) {
        sendQueued();
    }
}

ServerLink::Sent ServerLink::send(const ServerQueue::Item &item)
{
    const QString token = session(item.learner);
    if (token.isEmpty()) {
        return Sent::NoSession;
    }
    QString statement;
    QVariantList values = {token, item.id};
    switch (item.kind) {
    case ServerQueue::Item::Kind::HistoryPiece:
        statement = QStringLiteral("SELECT teclora.append_history(?, ?::uuid, ?::timestamptz, ?)");
        values << item.body.value(QStringLiteral("finished")).toString()
               << QByteArray::fromBase64(item.body.value(QStringLiteral("rtf")).toString().toLatin1());
        break;
    case ServerQueue::Item::Kind::Drill:
        statement = QStringLiteral("SELECT teclora.record_drill(?, ?::uuid, ?::jsonb)");
        values << QString::fromUtf8(QJsonDocument(item.body).toJson(QJsonDocument::Compact));
        break;
    case ServerQueue::Item::Kind::Exam:
        statement = QStringLiteral("SELECT teclora.record_exam(?, ?::uuid, ?::jsonb)");
        values << QString::fromUtf8(QJsonDocument(item.body).toJson(QJsonDocument::Compact));
        break;
    }
    QSqlQuery query;
    switch (call(statement, values, &query)) {
    case Answer::Done:
        return query.next() && query.value(0).toBool() ? Sent::Accepted : Sent::NoSession;
    case Answer::Refused:
        return Sent::Rejected;
    case Answer::Unreachable:
        break;
    }
    return Sent::Unreachable;
}

bool ServerLink::enqueue(const ServerQueue::Item &item)
{
    if (!queue.add(item)) {
        return false;
    }
    if (!awayNoticeGiven && awayNotice) {
        awayNoticeGiven = true;
        awayNotice();
    }
    return true;
}
