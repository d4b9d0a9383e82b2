#include "SafeFile.h"

#include <QFile>
#include <QSaveFile>

namespace SafeFile
{

bool write(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray read(const QString &path, bool *ok, qint64 maxSize)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly) && (maxSize < 0 || file.size() <= maxSize);
    if (ok) {
        *ok = opened;
    }
    return opened ? file.readAll() : QByteArray();
}

} // namespace SafeFile
