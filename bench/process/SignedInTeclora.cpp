// The typing window opened straight for a learner named on the command line, with the program's
// own platform seams, so that the process bench types beside a long history without going
// through the sign-in window. It prints where the exercise pane lies in the window
// ("typing-region=X,Y,W,H"), for the latency bench to watch at any screen size.
#include "CaretRest.h"
#include "DesktopLauncher.h"
#include "FolderLearnerStore.h"
#include "MainWindow.h"
#include "MessageBoxDialogs.h"
#include "ModuleSoundPlayer.h"
#include "Platform.h"
#include "RichTextPane.h"
#include "SystemClock.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString appDir = QApplication::applicationDirPath();
    const CaretRest caretRest;
    ModuleSoundPlayer sound(ModuleSoundPlayer::pathsFor(appDir));
    MessageBoxDialogs dialogs;
    SystemClock clock;
    DesktopLauncher launcher;
    FolderLearnerStore folders(appDir);
    const Platform platform {appDir, appDir, sound, dialogs, clock, launcher, folders};

    MainWindow window(platform, arguments.value(1));
    dialogs.setParentWindow(&window);
    QObject::connect(&window, &MainWindow::exitRequested, &app, &QApplication::quit);
    window.showMaximized();
    const QWidget *pane = window.controls().exercisePane;
    const QRect region(pane->mapTo(&window, QPoint()), pane->size());
    std::printf("typing-region=%d,%d,%d,%d\n", region.x(), region.y(), region.width(), region.height());
    std::fflush(stdout);
    return QApplication::exec();
}
