#pragma once

#include "LearnerHistory.h"
#include "LearnerStatistics.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

// Everything a learner owns: the list of learners with their claves, each one's history and
// statistics. The windows talk to this alone, so they never know whether the learners live in
// the program's folders or on a class's server.
class LearnerStore
{
public:
    virtual ~LearnerStore() = default;

    // The names of the learners, as stored.
    virtual QStringList learners() const = 0;

    enum class SignIn {
        Accepted,
        UnknownUser,
        WrongClave,
        // Too many wrong claves in a row: the name waits before the next try.
        Waiting,
        // The store cannot be reached (a server away).
        Unreachable,
    };
    struct SignInAnswer {
        SignIn outcome = SignIn::Unreachable;
        // How long a Waiting name still waits.
        int waitSeconds = 0;
    };
    virtual SignInAnswer signIn(const QString &name, const QString &clave) = 0;

    enum class Registration { Registered, NameMissing, NameUnsafe, NameTaken, WriteFailed, Unreachable };
    // Why name cannot be registered; none when it can, so the learner can be asked more first.
    virtual std::optional<Registration> refusalOf(const QString &name) const = 0;
    // Registers name with clave and a history whose first line is the name followed by
    // historySuffix; signed in when it answers Registered. Nothing is kept for a refused name.
    virtual Registration registerLearner(const QString &name, const QString &clave, const QString &historySuffix) = 0;

    // The name as stored of a learner who signed in or registered in this run (letter case may
    // differ from what was typed); the name given when there is none.
    virtual QString storedName(const QString &name) const = 0;

    // The history and statistics of a learner who signed in or registered in this run.
    virtual std::unique_ptr<LearnerHistory> history(const QString &learner) = 0;
    virtual std::unique_ptr<LearnerStatistics> statistics(const QString &learner) = 0;

    // Called once in a run, the first time a finished drill has to wait on this PC for a store
    // that cannot be reached; a store that is always at hand never calls it.
    virtual void setAwayNotice(std::function<void()> notice) = 0;
};
