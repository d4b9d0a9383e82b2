#include "DesktopLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace
{

// xdg-mime reads a few small files; a desktop that keeps it longer must not hold up the report.
constexpr int QueryTimeoutMs = 3000;

// Whether the desktop names a program for files of type (or of one of its other names). Where
// xdg-open stands behind QDesktopServices, it is started whether or not such a program exists,
// and it gives up quietly when there is none: the learner would wait for a window that never
// comes. True when the desktop cannot be asked.
bool desktopHasProgramFor(const QMimeType &type)
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty() || !type.isValid()) {
        return true;
    }
    for (const QString &name : QStringList(type.name()) + type.aliases()) {
        QProcess query;
        query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), name});
        if (!query.waitForFinished(QueryTimeoutMs)) {
            query.kill();
            query.waitForFinished();
            return true;
        }
        if (!query.readAllStandardOutput().trimmed().isEmpty()) {
            return true;
        }
    }
    return false;
}

} // namespace

bool DesktopLauncher::open(const QString &path)
{
    const QFileInfo file(path);
    return desktopHasProgramFor(QMimeDatabase().mimeTypeForFile(file))
        && QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}
