#include "ServerClassRoster.h"

#include "ServerConnection.h"
#include "ServerFunctions.h"
#include "ServerLink.h"
#include "ServerStatistics.h"

#include <QSqlQuery>
#include <QVariant>

ServerClassRoster::ServerClassRoster(const ServerAddress &labAddress)
    : lab(labAddress)
{
}

ServerClassRoster::~ServerClassRoster() = default;

ClassRoster::SignIn ServerClassRoster::signInTeacher(const QString &password)
{
    // The teacher reads and never records: nothing is ever queued.
    auto teacher = std::make_shared<ServerLink>(lab.as(ServerFunctions::TeacherRole, password), QString());
    QSqlQuery query;
    switch (teacher->call(QStringLiteral("SELECT teclora.teacher_sign_in(?)"), {password}, &query)) {
    case ServerLink::Answer::Done:
        if (!query.next() || query.value(0).isNull()) {
            return SignIn::WrongPassword;
        }
        session = query.value(0).toString();
        link = std::move(teacher);
        return SignIn::Accepted;
    case ServerLink::Answer::Refused:
        return SignIn::WrongPassword;
    case ServerLink::Answer::Unreachable:
        break;
    }
    // The teacher's role refuses a wrong password before any function runs; the server is there
    // when the lab's own login gets in.
    ServerConnection learners(lab);
    return learners.open() ? SignIn::WrongPassword : SignIn::Unreachable;
}

std::optional<QList<ClassRoster::Learner>> ServerClassRoster::learners()
{
    QSqlQuery query;
    if (!link
        || link->call(QStringLiteral("SELECT name, wrong_claves FROM teclora.class_learners(?)"), {session}, &query)
            != ServerLink::Answer::Done) {
        return std::nullopt;
    }
    QList<Learner> learners;
    while (query.next()) {
        learners.append({query.value(0).toString(), query.value(1).toInt()});
    }
    return learners;
}

std::unique_ptr<LearnerStatistics> ServerClassRoster::statistics(const QString &learner)
{
    return link ? std::make_unique<ServerStatistics>(link, learner, session) : nullptr;
}

bool ServerClassRoster::resetClave(const QString &learner, const QString &clave)
{
    QSqlQuery query;
    return link
        && link->call(QStringLiteral("SELECT teclora.reset_clave(?, ?, ?)"), {session, learner, clave}, &query)
        == ServerLink::Answer::Done
        && query.next() && query.value(0).toBool();
}
