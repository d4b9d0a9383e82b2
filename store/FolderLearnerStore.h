#pragma once

#include "LearnerStore.h"
#include "UserRegistry.h"

// The learners of one PC, in the folders of the learners' home: "Usuarios" (one history file per
// learner, the folder being the list), "Claves" and "Estadisticas".
class FolderLearnerStore : public LearnerStore
{
public:
    explicit FolderLearnerStore(const QString &userDir);

    QStringList learners() const override;
    SignInAnswer signIn(const QString &name, const QString &clave) override;
    std::optional<Registration> refusalOf(const QString &name) const override;
    Registration registerLearner(const QString &name, const QString &clave, const QString &historySuffix) override;
    QString storedName(const QString &name) const override;
    // Null for a name that is no safe file name.
    std::unique_ptr<LearnerHistory> history(const QString &learner) override;
    std::unique_ptr<LearnerStatistics> statistics(const QString &learner) override;
    // The folders are always at hand.
    void setAwayNotice(std::function<void()> notice) override;

private:
    QString userDir;
    UserRegistry registry;
};
