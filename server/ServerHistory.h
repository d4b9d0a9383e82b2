#pragma once

#include "LearnerHistory.h"

#include <QString>

#include <memory>

class ServerLink;

// A learner's history on the class server: every piece is kept as it comes, so the whole one at
// the exit has nothing left to add.
class ServerHistory : public LearnerHistory
{
public:
    ServerHistory(std::shared_ptr<ServerLink> link, const QString &learner);

    Loaded load() override;
    // Kept when the server took it or it waits in the queue.
    bool append(const QByteArray &piece) override;
    bool save(const QByteArray &whole) override;

private:
    std::shared_ptr<ServerLink> link;
    QString learner;
};
