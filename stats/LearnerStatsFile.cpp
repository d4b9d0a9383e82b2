#include "LearnerStatsFile.h"

#include "FileLookup.h"
#include "UserFiles.h"

#include <QFileInfo>

namespace LearnerStatsFile
{

QString path(const QString &userDir, const QString &user)
{
    // The history file's look-up refuses unsafe names and finds the name as stored.
    const QString history = UserFiles::historyFile(userDir, user);
    if (history.isEmpty()) {
        return {};
    }
    const QString folder = userDir + QStringLiteral("/Estadisticas");
    const QString fileName = QFileInfo(history).fileName() + QStringLiteral(".sqlite");
    // A learner whose history file is gone still finds the statistics written under another case.
    const QString stored = FileLookup::findIgnoringCase(folder, fileName);
    return folder + QLatin1Char('/') + (stored.isEmpty() ? fileName : stored);
}

} // namespace LearnerStatsFile
