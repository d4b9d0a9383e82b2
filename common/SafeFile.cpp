#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile
{

namespace
{

// Where path leads: itself, or the target of a link that stays in the link's folder; empty when
// the link leads nowhere or out of the folder (a learner's folder must not become a way to read
// or replace files elsewhere).
QString resolveWithinFolder(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink()) {
        return path;
    }
    const QString target = info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (target.isEmpty() || folder.isEmpty() || QFileInfo(target).absolutePath() != folder) {
        return {};
    }
    return target;
}

bool isRegularFile(const QByteArray &nativePath)
{
    struct stat status {
    };
    return ::stat(nativePath.constData(), &status) == 0 && S_ISREG(status.st_mode);
}

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : fd(fd)
    {
    }
    ~Descriptor()
    {
        if (fd >= 0) {
            ::close(fd);
        }
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    const int fd;
};

// Reads to the end, giving up as soon as the file turns out longer than maxSize (it may grow
// while we read).
bool readAll(int fd, qint64 expectedSize, qint64 maxSize, QByteArray &content)
{
    constexpr qint64 Chunk = 64 * 1024;
    content.reserve(expectedSize + 1);
    for (;;) {
        const qsizetype used = content.size();
        content.resize(used + Chunk);
        const ssize_t got = ::read(fd, content.data() + used, Chunk);
        if (got < 0 && errno == EINTR) {
            content.resize(used);
            continue;
        }
        content.resize(used + std::max<ssize_t>(got, 0));
        if (got <= 0) {
            return got == 0;
        }
        if (maxSize >= 0 && content.size() > maxSize) {
            return false;
        }
    }
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxSize)
{
    const QString resolved = resolveWithinFolder(path);
    const QByteArray native = QFile::encodeName(resolved);
    // Checked before opening, as opening a FIFO waits for a writer and opening a device may act.
    if (resolved.isEmpty() || !isRegularFile(native)) {
        return std::nullopt;
    }
    // O_NONBLOCK and the second check cover a file swapped for a FIFO or device in between.
    const Descriptor file(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status {
    };
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode)
        || (maxSize >= 0 && status.st_size > maxSize)) {
        return std::nullopt;
    }
    QByteArray content;
    if (!readAll(file.fd, status.st_size, maxSize, content)) {
        return std::nullopt;
    }
    return content;
}

} // namespace

bool write(const QString &path, const QByteArray &content)
{
    const QString resolved = resolveWithinFolder(path);
    if (resolved.isEmpty() || (QFileInfo::exists(resolved) && !isRegularFile(QFile::encodeName(resolved)))) {
        return false;
    }
    QSaveFile file(resolved);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // Bytes that fit its buffer reach the disk only when the file is flushed, and commit() renames
    // the file into place even when that flush fails (a small file on a full disk would replace
    // the previous one empty): the flush is done, and its failure seen, before.
    if (file.write(content) != content.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray read(const QString &path, bool *ok, qint64 maxSize)
{
    std::optional<QByteArray> content = readRegularFile(path, maxSize);
    if (ok) {
        *ok = content.has_value();
    }
    return content.value_or(QByteArray());
}

bool isTaken(const QString &path)
{
    struct stat status {
    };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0;
}

} // namespace SafeFile
