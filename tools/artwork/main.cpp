#include "ArtworkSet.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: teclora-artwork DATA_FOLDER" << Qt::endl;
        return 2;
    }
    const QStringList failed = ArtworkSet::writeAll(QDir(arguments.at(1)), out);
    for (const QString &path : failed) {
        err << "could not write " << path << Qt::endl;
    }
    return failed.isEmpty() ? 0 : 1;
}
