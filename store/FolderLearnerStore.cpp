#include "FolderLearnerStore.h"

#include "FileHistory.h"
#include "LearnerStatsFile.h"
#include "StatsStore.h"
#include "UserFiles.h"

#include <QFileInfo>

FolderLearnerStore::FolderLearnerStore(const QString &userDir)
    : userDir(userDir)
    , registry(userDir)
{
}

QStringList FolderLearnerStore::learners() const
{
    return registry.users();
}

LearnerStore::SignInAnswer FolderLearnerStore::signIn(const QString &name, const QString &clave)
{
    return {registry.signIn(name, clave), 0};
}

std::optional<LearnerStore::Registration> FolderLearnerStore::refusalOf(const QString &name) const
{
    return registry.refusalOf(name);
}

LearnerStore::Registration FolderLearnerStore::registerLearner(
    const QString &name, const QString &clave, const QString &historySuffix)
{
    return registry.registerUser(name, clave, historySuffix);
}

QString FolderLearnerStore::storedName(const QString &name) const
{
    // As the history file is named: the name as stored, the name given for a learner with no file
    // yet, and nothing for a name that is no file name.
    return QFileInfo(UserFiles::historyFile(userDir, name)).fileName();
}

std::unique_ptr<LearnerHistory> FolderLearnerStore::history(const QString &learner)
{
    const QString path = UserFiles::historyFile(userDir, learner);
    return path.isEmpty() ? nullptr : std::make_unique<FileHistory>(path);
}

std::unique_ptr<LearnerStatistics> FolderLearnerStore::statistics(const QString &learner)
{
    const QString path = LearnerStatsFile::path(userDir, learner);
    return path.isEmpty() ? nullptr : std::make_unique<StatsStore>(path);
}

void FolderLearnerStore::setAwayNotice(std::function<void()>)
{
}
