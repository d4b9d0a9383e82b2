#pragma once

#include "ServerConnection.h"
#include "ServerQueue.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QSqlQuery>
#include <QVariantList>

#include <functional>
#include <optional>

// What a store and the histories and statistics it hands out share: the connection, the sessions
// of the learners who signed in during this run, and the queue of what waits for the server.
class ServerLink
{
public:
    ServerLink(const ServerAddress &address, const QString &queuePath);

    enum class Answer {
        Done,
        // The server took the call and refused it: running it again would change nothing.
        Refused,
        Unreachable,
    };
    // Runs statement with values bound in order; query holds the rows when it answers Done. A
    // connection lost since the last call (the server restarted) is opened again once. A call
    // that waited long for a server that did not answer starts a hold (see deliver).
    Answer call(const QString &statement, const QVariantList &values, QSqlQuery *query = nullptr);
    // Like call, but answers Unreachable at once while the server was found away by the last call:
    // the reads of one window do not each wait for a server that did not answer a moment ago. What
    // a learner does (a sign-in, a finished drill) always tries again.
    Answer read(const QString &statement, const QVariantList &values, QSqlQuery *query);

    // The session of the learner called name in any letter case; empty when none in this run.
    QString session(const QString &name) const;
    void signedIn(const QString &storedName, const QString &session);
    // The name as the server keeps it of a learner who signed in during this run; empty if none.
    QString storedName(const QString &name) const;

    // Sends a finished drill's piece or record, after whatever waits in the queue; what cannot
    // reach the server joins the queue. False when it could be neither sent nor queued, and for a
    // learner who did not sign in during this run. During a hold, after a call that waited out the
    // connection's timeout (a server's host switched off), it joins the queue untried: each try
    // would keep the window waiting as long. A server that refuses at once is tried every time.
    bool deliver(const QString &learner, ServerQueue::Item::Kind kind, const QJsonObject &body);
    // Sends, in order, what waits for the learners signed in, until the server cannot be reached;
    // nothing during a hold.
    void sendQueued();
    // The same, unless the server was found away by the last call.
    void sendQueuedUnlessAway();

    void setAwayNotice(std::function<void()> notice)
    {
        awayNotice = std::move(notice);
    }

private:
    enum class Sent { Accepted, NoSession, Rejected, Unreachable };
    Sent send(const ServerQueue::Item &item);
    bool enqueue(const ServerQueue::Item &item);

    ServerConnection connection;
    ServerQueue queue;
    // By name case-folded.
    QHash<QString, QString> sessions;
    QHash<QString, QString> storedNames;
    std::function<void()> awayNotice;
    bool awayNoticeGiven = false;
    bool away = false;
    // Until when finished drills go to the queue untried; expired when there is no hold.
    QDeadlineTimer hold;
};
