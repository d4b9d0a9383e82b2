#include "DesktopLauncher.h"
#include "MessageBoxDialogs.h"
#include "Platform.h"
#include "QtSoundPlayer.h"
#include "SpanishQtTexts.h"
#include "SystemClock.h"
#include "WindowSequence.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Teclora"));
    // Wayland desktops find the icon and name of the window through this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.teclora.Teclora"));
    SpanishQtTexts::install(app);
    // Everything the program reads and writes lives beside it.
    const QString appDir = QApplication::applicationDirPath();
    QApplication::setWindowIcon(QIcon(appDir + QStringLiteral("/imagenes/teclora.png")));

    QtSoundPlayer sound;
    MessageBoxDialogs dialogs;
    SystemClock clock;
    DesktopLauncher launcher;
    const Platform platform {appDir, sound, dialogs, clock, launcher};

    WindowSequence windows(platform);
    QObject::connect(&windows, &WindowSequence::frontWindowChanged, &app, [&dialogs](QWidget *window) {
        dialogs.setParentWindow(window);
    });
    QObject::connect(&windows, &WindowSequence::finished, &app, &QApplication::quit);
    windows.start();
    return QApplication::exec();
}
