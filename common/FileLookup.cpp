#include "FileLookup.h"

#include <QDir>

namespace FileLookup
{

QString findIgnoringCase(const QString &folder, const QString &name)
{
    if (name.isEmpty()) {
        return {};
    }
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return {};
}

bool isSafeFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        return false;
    }
    if (name.endsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char('.'))) {
        return false;
    }
    for (const QChar character : name) {
        if (character.unicode() < 0x20 || QStringView(u"/\\:*?\"<>|").contains(character)) {
            return false;
        }
    }
    return true;
}

} // namespace FileLookup
