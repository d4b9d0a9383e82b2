#pragma once

#include "LearnerStore.h"

#include <QString>
#include <QStringList>

#include <optional>

// The registered learners: one history file per learner in "Usuarios" (the folder is the list of
// users) and one clave file per learner in "Claves", named after the learner with "clave"
// appended. Names are compared with letter case ignored and used as stored.
class UserRegistry
{
public:
    explicit UserRegistry(const QString &userDir);

    // The names of the learners, as the folder lists them.
    QStringList users() const;

    using SignIn = LearnerStore::SignIn;
    // A learner without a readable clave file never gets in.
    SignIn signIn(const QString &name, const QString &clave) const;

    using Registration = LearnerStore::Registration;
    // Why name cannot be registered; none when it can, so the learner can be asked more first.
    std::optional<Registration> refusalOf(const QString &name) const;
    // Writes the clave file, then the first line of the history: the name followed by
    // historySuffix. Nothing is written for a refused name.
    Registration registerUser(const QString &name, const QString &clave, const QString &historySuffix) const;

    // Whether name can be a learner's name: a file name inside its folder on any system (not
    // "." or "..", no leading dot, no path separator, control or reserved character, at most
    // 64 characters) that the Windows-1252 files can spell.
    static bool isSafeName(const QString &name);

    static constexpr int MaxNameLength = 64;

private:
    // The name as stored of the learner called name in any letter case; empty when there is none.
    QString storedName(const QString &name) const;

    QString usersFolder() const;
    QString clavesFolder() const;
    // The clave file of the learner called name: the one stored in any letter case, or a new one.
    QString claveFile(const QString &name) const;

    QString userDir;
};
