#pragma once

#include "LearnerStore.h"
#include "ServerAddress.h"

#include <memory>

class ServerLink;

// The learners of a class kept on its server. Each learner's rows are reached with the session
// the server gave at their sign-in in this run. What a finished drill sends while the server
// cannot be reached waits in a queue file on this PC and goes, in order, before the next item or
// at the next sign-in here; the server keeps each item once, so nothing is lost or doubled.
class ServerLearnerStore : public LearnerStore
{
public:
    ServerLearnerStore(const ServerAddress &address, const QString &queuePath);
    ~ServerLearnerStore() override;

    QStringList learners() const override;
    SignInAnswer signIn(const QString &name, const QString &clave) override;
    std::optional<Registration> refusalOf(const QString &name) const override;
    Registration registerLearner(const QString &name, const QString &clave, const QString &historySuffix) override;
    QString storedName(const QString &name) const override;
    std::unique_ptr<LearnerHistory> history(const QString &learner) override;
    std::unique_ptr<LearnerStatistics> statistics(const QString &learner) override;
    void setAwayNotice(std::function<void()> notice) override;

private:
    // The learners' names; none when the server cannot be reached.
    std::optional<QStringList> names() const;

    std::shared_ptr<ServerLink> link;
};
