#include "DesktopLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

void DesktopLauncher::open(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}
