#pragma once

#include <QByteArray>
#include <QString>

namespace SafeFile
{

// Replaces the file whole or not at all: a crash or a full disk during the write leaves the
// previous file as it was. Returns false when the new content could not be committed.
bool write(const QString &path, const QByteArray &content);

// The whole file; ok is false when it cannot be read or holds more than maxSize bytes
// (no limit when maxSize is negative).
QByteArray read(const QString &path, bool *ok = nullptr, qint64 maxSize = -1);

} // namespace SafeFile
