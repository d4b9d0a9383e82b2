#pragma once

#include "ClassRoster.h"
#include "ServerAddress.h"

class ServerLink;

// The class on its server as the teacher reaches it: the teacher's role logs in with the
// teacher's password over the lab's address, and the teacher's functions answer with the
// session the same password opens.
class ServerClassRoster : public ClassRoster
{
public:
    // labAddress is the PCs' address; its user and password are the learners' role's.
    explicit ServerClassRoster(const ServerAddress &labAddress);
    ~ServerClassRoster() override;

    SignIn signInTeacher(const QString &password) override;
    std::optional<QList<Learner>> learners() override;
    std::unique_ptr<LearnerStatistics> statistics(const QString &learner) override;
    bool resetClave(const QString &learner, const QString &clave) override;

private:
    ServerAddress lab;
    std::shared_ptr<ServerLink> link;
    QString session;
};
