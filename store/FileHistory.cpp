#include "FileHistory.h"

#include "Rtf.h"
#include "SafeFile.h"

FileHistory::FileHistory(const QString &path)
    : path(path)
{
}

LearnerHistory::Loaded FileHistory::load()
{
    // A missing history starts an empty one; one that is there but cannot be read (too large, a
    // folder, a FIFO, a link out of the folder) is kept as it is.
    bool ok = false;
    const QByteArray content = SafeFile::read(path, &ok, Rtf::MaxFileSize);
    if (!ok) {
        return {{}, SafeFile::isTaken(path)};
    }
    return {{content}, false};
}

bool FileHistory::append(const QByteArray &)
{
    return true;
}

bool FileHistory::save(const QByteArray &whole)
{
    return SafeFile::write(path, whole);
}
