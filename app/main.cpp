#include "DesktopLauncher.h"
#include "MainWindow.h"
#include "MessageBoxDialogs.h"
#include "Platform.h"
#include "ProgressLink.h"
#include "QtSoundPlayer.h"
#include "SystemClock.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Teclora"));
    // Everything the program reads and writes lives beside it.
    const QString appDir = QApplication::applicationDirPath();
    QApplication::setWindowIcon(QIcon(appDir + QStringLiteral("/imagenes/teclora.png")));

    QtSoundPlayer sound;
    MessageBoxDialogs dialogs;
    SystemClock clock;
    DesktopLauncher launcher;
    const Platform platform {appDir, sound, dialogs, clock, launcher};

    MainWindow window(platform, QString());
    dialogs.setParentWindow(&window);
    ProgressLink::attach(window, platform);
    QObject::connect(&window, &MainWindow::exitRequested, &app, &QApplication::quit);
    window.Form_Load();
    window.showMaximized();
    return QApplication::exec();
}
