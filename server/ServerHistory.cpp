#include "ServerHistory.h"

#include "ServerLink.h"

#include <QDateTime>
#include <QVariant>

ServerHistory::ServerHistory(std::shared_ptr<ServerLink> link, const QString &learner)
    : link(std::move(link))
    , learner(learner)
{
}

LearnerHistory::Loaded ServerHistory::load()
{
    link->sendQueuedUnlessAway();
    Loaded loaded;
    QSqlQuery query;
    // A history the server cannot give now starts the window empty: what is finished today is
    // still kept, piece by piece, beside it.
    if (link->read(QStringLiteral("SELECT teclora.my_history(?)"), {link->session(learner)}, &query)
        != ServerLink::Answer::Done) {
        return loaded;
    }
    while (query.next()) {
        loaded.documents.append(query.value(0).toByteArray());
    }
    return loaded;
}

bool ServerHistory::append(const QByteArray &piece)
{
    // The time it was finished orders it among the pieces of other PCs.
    const QString finished = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    return link->deliver(learner, ServerQueue::Item::Kind::HistoryPiece,
        {{QStringLiteral("finished"), finished}, {QStringLiteral("rtf"), QString::fromLatin1(piece.toBase64())}});
}

bool ServerHistory::save(const QByteArray &)
{
    return true;
}
