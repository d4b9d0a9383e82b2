#pragma once

#include <QByteArray>
#include <QString>

// Files that learners and editors may have replaced by anything: a folder, a FIFO, a device or a
// symbolic link. A link is followed only while it stays in the folder that holds it; a FIFO or a
// device is never opened, so no read blocks or has side effects.
namespace SafeFile
{

// Replaces the file whole or not at all: a crash or a full disk during the write leaves the
// previous file as it was. Returns false when the new content could not be committed, or when
// the path is taken by something other than a regular file or by a link that leaves its folder
// or leads nowhere.
bool write(const QString &path, const QByteArray &content);

// The whole file; ok is false when it cannot be read, is no regular file (after a link within
// its folder), or holds more than maxSize bytes (no limit when maxSize is negative). The size
// is checked before anything is read.
QByteArray read(const QString &path, bool *ok = nullptr, qint64 maxSize = -1);

// Whether anything at all (a dangling link included) stands at path.
bool isTaken(const QString &path);

} // namespace SafeFile
