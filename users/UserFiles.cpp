#include "UserFiles.h"

#include "FileLookup.h"

namespace UserFiles
{

QString historyFile(const QString &userDir, const QString &user)
{
    if (!FileLookup::isSafeFileName(user)) {
        return {};
    }
    const QString folder = userDir + QStringLiteral("/Usuarios");
    const QString stored = FileLookup::findIgnoringCase(folder, user);
    return folder + QLatin1Char('/') + (stored.isEmpty() ? user : stored);
}

} // namespace UserFiles
