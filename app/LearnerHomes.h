#pragma once

#include "ClassRoster.h"
#include "LearnerStore.h"

#include <memory>

// Where this run's learners are kept: on the class server the machine names ("servidor" in
// "[aula]" of Teclora.conf, or TECLORA_SERVER for one run), else in the folders of userDir.
struct LearnerHomes {
    std::unique_ptr<LearnerStore> store;
    // The class as its teacher reaches it; null without a server.
    std::unique_ptr<ClassRoster> roster;
    // Why a server that is named is not used (its address cannot be read); empty otherwise.
    QString problem;

    static LearnerHomes choose(const QString &serverUrl, const QString &userDir);
    // TECLORA_SERVER when set, else the machine's settings.
    static QString configuredServer();
};
