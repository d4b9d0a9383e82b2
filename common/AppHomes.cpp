#include "AppHomes.h"

#include <QDir>
#include <QFileInfo>

namespace
{

// The folder that marks a tree of shipped data.
const QString Marker = QStringLiteral("Ejercicios");

bool holdsData(const QString &folder)
{
    return QFileInfo(folder + QLatin1Char('/') + Marker).isDir();
}

} // namespace

AppHomes AppHomes::locate(const QString &binaryDir, const QString &userDataDir)
{
    AppHomes homes;
    const QString beside = QDir::cleanPath(binaryDir);
    homes.tried.append(beside);
    if (holdsData(beside)) {
        homes.portable = true;
        homes.shippedData = beside;
        homes.learnersFiles = beside;
        return homes;
    }
    // bin/teclora finds share/teclora of the same prefix, wherever the prefix is.
    const QString installed = QDir::cleanPath(beside + QStringLiteral("/../share/teclora"));
    homes.tried.append(installed);
    if (holdsData(installed)) {
        homes.shippedData = installed;
        homes.learnersFiles = QDir::cleanPath(userDataDir);
    }
    return homes;
}

bool AppHomes::hasData() const
{
    return !shippedData.isEmpty();
}

bool AppHomes::isPortable() const
{
    return portable;
}

QString AppHomes::dataDir() const
{
    return shippedData;
}

QString AppHomes::userDir() const
{
    return learnersFiles;
}

QStringList AppHomes::searched() const
{
    return tried;
}

bool AppHomes::prepareUserDir() const
{
    if (learnersFiles.isEmpty()) {
        return false;
    }
    const QDir home(learnersFiles);
    return home.mkpath(QStringLiteral("Usuarios")) && home.mkpath(QStringLiteral("Claves"));
}

QString AppHomes::missingDataMessage() const
{
    QString message = QStringLiteral("Teclora no encuentra sus ejercicios.\nHa buscado la carpeta %1 en:").arg(Marker);
    for (const QString &folder : tried) {
        message += QStringLiteral("\n  ") + QDir::toNativeSeparators(folder);
    }
    message += QStringLiteral("\nVuelve a instalar Teclora, o copia su carpeta de datos junto al programa.");
    return message;
}
