#include "AppIcons.h"
#include "ArtworkSet.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        err << "usage: teclora-artwork DATA_FOLDER [ICON_FOLDER]" << Qt::endl;
        return 2;
    }
    QStringList failed = ArtworkSet::writeAll(QDir(arguments.at(1)), out);
    // The desktop's icons are installed beside the data, not in it.
    if (arguments.size() == 3) {
        failed += AppIcons::writeAll(QDir(arguments.at(2)), out);
    }
    for (const QString &path : failed) {
        err << "could not write " << path << Qt::endl;
    }
    return failed.isEmpty() ? 0 : 1;
}
