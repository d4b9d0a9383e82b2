#include "DesktopLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool DesktopLauncher::open(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}
