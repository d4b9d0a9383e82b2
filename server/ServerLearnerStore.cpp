#include "ServerLearnerStore.h"

#include "Cp1252.h"
#include "ServerHistory.h"
#include "ServerLink.h"
#include "ServerStatistics.h"
#include "UserRegistry.h"

#include <QUuid>
#include <QVariant>

ServerLearnerStore::ServerLearnerStore(const ServerAddress &address, const QString &queuePath)
    : link(std::make_shared<ServerLink>(address, queuePath))
{
}

ServerLearnerStore::~ServerLearnerStore() = default;

std::optional<QStringList> ServerLearnerStore::names() const
{
    QSqlQuery query;
    if (link->call(QStringLiteral("SELECT teclora.learner_names()"), {}, &query) != ServerLink::Answer::Done) {
        return std::nullopt;
    }
    QStringList names;
    while (query.next()) {
        // Anyone with the lab's credentials may register a name; one the folders could not hold
        // would reach the learner's settings file with it.
        if (const QString name = query.value(0).toString(); UserRegistry::isSafeName(name)) {
            names.append(name);
        }
    }
    return names;
}

QStringList ServerLearnerStore::learners() const
{
    return names().value_or(QStringList());
}

LearnerStore::SignInAnswer ServerLearnerStore::signIn(const QString &name, const QString &clave)
{
    QSqlQuery query;
    const ServerLink::Answer answer
        = link->call(QStringLiteral("SELECT outcome, session, wait_seconds, stored_name FROM teclora.sign_in(?, ?)"),
            {name, clave}, &query);
    if (answer != ServerLink::Answer::Done || !query.next()) {
        return {SignIn::Unreachable, 0};
    }
    const QString outcome = query.value(0).toString();
    if (!UserRegistry::isSafeName(query.value(3).toString())) {
        return {SignIn::UnknownUser, 0};
    }
    if (outcome == u"accepted") {
        link->signedIn(query.value(3).toString(), query.value(1).toString());
        link->sendQueued();
        return {SignIn::Accepted, 0};
    }
    if (outcome == u"waiting") {
        return {SignIn::Waiting, query.value(2).toInt()};
    }
    return {outcome == u"wrong" ? SignIn::WrongClave : SignIn::UnknownUser, 0};
}

std::optional<LearnerStore::Registration> ServerLearnerStore::refusalOf(const QString &name) const
{
    if (name.isEmpty()) {
        return Registration::NameMissing;
    }
    if (!UserRegistry::isSafeName(name)) {
        return Registration::NameUnsafe;
    }
    const std::optional<QStringList> taken = names();
    if (!taken) {
        return Registration::Unreachable;
    }
    if (taken->contains(name, Qt::CaseInsensitive)) {
        return Registration::NameTaken;
    }
    return std::nullopt;
}

LearnerStore::Registration ServerLearnerStore::registerLearner(
    const QString &name, const QString &clave, const QString &historySuffix)
{
    if (const std::optional<Registration> refusal = refusalOf(name)) {
        return *refusal;
    }
    // The first line as a folder's history file starts.
    const QByteArray firstPiece = Cp1252::encode(name + historySuffix + QStringLiteral("\r\n"));
    QSqlQuery query;
    switch (link->call(QStringLiteral("SELECT teclora.register_learner(?, ?, ?::uuid, ?)"),
        {name, clave, QUuid::createUuid().toString(QUuid::WithoutBraces), firstPiece}, &query)) {
    case ServerLink::Answer::Done:
        break;
    case ServerLink::Answer::Refused:
        return Registration::WriteFailed;
    case ServerLink::Answer::Unreachable:
        return Registration::Unreachable;
    }
    const QString session = query.next() ? query.value(0).toString() : QString();
    // Taken in the meantime, from another PC.
    if (session.isEmpty()) {
        return Registration::NameTaken;
    }
    link->signedIn(name, session);
    return Registration::Registered;
}

QString ServerLearnerStore::storedName(const QString &name) const
{
    const QString stored = link->storedName(name);
    return stored.isEmpty() ? name : stored;
}

std::unique_ptr<LearnerHistory> ServerLearnerStore::history(const QString &learner)
{
    return std::make_unique<ServerHistory>(link, storedName(learner));
}

std::unique_ptr<LearnerStatistics> ServerLearnerStore::statistics(const QString &learner)
{
    return std::make_unique<ServerStatistics>(link, storedName(learner));
}

void ServerLearnerStore::setAwayNotice(std::function<void()> notice)
{
    link->setAwayNotice(std::move(notice));
}
