#pragma once

#include "LearnerStatistics.h"

#include <QStringList>

#include <memory>
#include <optional>

// The class as its teacher reaches it on the class's server: who is in it, each learner's
// statistics, and a new clave for a learner who forgot theirs. Nothing is reached before the
// teacher signed in.
class ClassRoster
{
public:
    virtual ~ClassRoster() = default;

    enum class SignIn { Accepted, WrongPassword, Unreachable };
    virtual SignIn signInTeacher(const QString &password) = 0;

    struct Learner {
        QString name; // as stored
        // Wrong claves typed for the name since its last right one: someone trying them all
        // shows here.
        int wrongClaves = 0;
    };
    // The class; none when the server cannot be reached.
    virtual std::optional<QList<Learner>> learners() = 0;
    // A learner's statistics, read only; null when they cannot be reached.
    virtual std::unique_ptr<LearnerStatistics> statistics(const QString &learner) = 0;
    // Gives learner the clave and lifts any wait after wrong claves; false when it could not.
    virtual bool resetClave(const QString &learner, const QString &clave) = 0;
};
