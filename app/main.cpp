#include "AppHomes.h"
#include "CaretRest.h"
#include "DesktopLauncher.h"
#include "ExamRules.h"
#include "LearnerHomes.h"
#include "MessageBoxDialogs.h"
#include "ModuleSoundPlayer.h"
#include "Platform.h"
#include "ServerCommands.h"
#include "SpanishQtTexts.h"
#include "SystemActiveLayout.h"
#include "SystemClock.h"
#include "WindowSequence.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <cstring>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace
{

// The name of the desktop entry, the icon and the AppStream component.
const QString AppId = QStringLiteral("io.github.teclora.Teclora");

const char *const Usage = "Uso: teclora [OPCIÓN] [ARCHIVO]\n"
                          "Curso de mecanografía para el teclado español.\n"
                          "\n"
                          "  -h, --help        muestra esta ayuda y termina\n"
                          "  -v, --version     muestra la versión y termina\n"
                          "  --examen MINUTOS  tras entrar, abre la ventana de escritura con un examen de\n"
                          "                    1, 3, 5 o 10 minutos preparado, sobre ARCHIVO si se da\n"
                          "  ARCHIVO           un texto propio (.txt) para practicar: tras entrar se añade\n"
                          "                    a la lección «Mis textos», listo para empezar\n"
                          "  --profesor        abre la ventana del profesor del servidor del aula\n"
                          "\n"
                          "Un aula con servidor (PostgreSQL):\n"
                          "  --init-server URL_ADMIN  prepara el servidor, pide la contraseña del profesor y\n"
                          "                    escribe la línea servidor=... para /etc/xdg/Teclora/Teclora.conf\n"
                          "  --import-folder CARPETA URL_ADMIN [--apply]  lleva al servidor los usuarios de la\n"
                          "                    carpeta de un ordenador; sin --apply solo dice qué haría\n"
                          "\n"
                          "Los ejercicios, textos e imágenes se leen de la carpeta del programa si contiene\n"
                          "Ejercicios (una copia portátil) y si no de ../share/teclora junto a ella. El historial,\n"
                          "las claves y el informe se guardan en ~/.local/share/Teclora, o junto al programa en\n"
                          "una copia portátil. Con un servidor del aula (servidor= en [aula] de\n"
                          "/etc/xdg/Teclora/Teclora.conf, o TECLORA_SERVER) los usuarios están en el servidor.\n";

// --help and --version are answered before any window system is needed, so they work in a
// terminal without a display. Returns the exit status, or -1 to go on.
int answerInformationOptions(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            QTextStream(stdout) << QString::fromUtf8(Usage);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            QTextStream(stdout) << "teclora " TECLORA_VERSION "\n";
            return 0;
        }
    }
    return -1;
}

// The minutes of --examen MINUTES, 0 without it, or -1 after saying on standard error what is
// wrong with them.
int examMinutes(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--examen") != 0) {
            continue;
        }
        const QString given = i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        bool number = false;
        const int minutes = given.toInt(&number);
        if (number && ExamRules::isDuration(minutes)) {
            return minutes;
        }
        const QString what = given.isEmpty() ? QStringLiteral("a --examen le faltan los minutos")
                                             : QStringLiteral("--examen %1 no es una duración").arg(given);
        QTextStream(stderr) << QStringLiteral("teclora: ") << what
                            << QStringLiteral("; un examen dura 1, 3, 5 o 10 minutos") << Qt::endl;
        return -1;
    }
    return 0;
}

// Without its data the program cannot show a single lesson: say where it looked and stop.
int refuseToStartWithoutData(const AppHomes &homes)
{
    const QString message = homes.missingDataMessage();
    QTextStream(stderr) << message << Qt::endl;
    // Off a real screen nobody would see the box, and it would wait for ever.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox::critical(nullptr, QStringLiteral("Teclora"), message);
    }
    return 1;
}

// The icon is read (and looked for in the icon theme) once the first window is on its way to the
// screen: the window shows itself sooner, and the desktop takes the icon a moment later.
void setWindowIconLater(const AppHomes &homes)
{
    QTimer::singleShot(
        0, qApp, [picture = homes.dataDir() + QStringLiteral("/imagenes/teclora.png"), portable = homes.isPortable()] {
            // The icon theme's copy when installed. A portable copy has only its own picture, and
            // looking in the theme would load the icon engines for nothing.
            QApplication::setWindowIcon(portable ? QIcon(QPixmap(picture)) : QIcon::fromTheme(AppId, QIcon(picture)));
        });
}

// What was allocated to build a window and freed again goes back to the system once it shows,
// rather than staying in the process for as long as the learner practises.
void giveBackFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace

// The text file named on the command line ("Open with Teclora"): the first argument that is
// neither an option nor the minutes of --examen, once Qt has taken its own.
QString textFileArgument()
{
    const QStringList arguments = QApplication::arguments().mid(1);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--examen")) {
            ++i;
        } else if (!arguments.at(i).startsWith(QLatin1Char('-'))) {
            return arguments.at(i);
        }
    }
    return {};
}

int main(int argc, char *argv[])
{
    if (const int status = answerInformationOptions(argc, argv); status >= 0) {
        return status;
    }
    if (const int status = runServerCommand(argc, argv); status >= 0) {
        return status;
    }
    const int exam = examMinutes(argc, argv);
    if (exam < 0) {
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Teclora"));
    QApplication::setApplicationVersion(QStringLiteral(TECLORA_VERSION));
    QGuiApplication::setDesktopFileName(AppId);
    SpanishQtTexts::install(app);
    const CaretRest caretRest;
    const AppHomes homes = AppHomes::locate(
        QApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!homes.hasData()) {
        return refuseToStartWithoutData(homes);
    }
    // A home that cannot be made shows up where something is saved, with the message for it.
    homes.prepareUserDir();

    ModuleSoundPlayer sound(ModuleSoundPlayer::pathsFor(QApplication::applicationDirPath()));
    MessageBoxDialogs dialogs;
    SystemClock clock;
    DesktopLauncher launcher;
    const SystemActiveLayout activeLayout = SystemActiveLayout::forThisProgram();
    const LearnerHomes learners = LearnerHomes::choose(LearnerHomes::configuredServer(), homes.userDir());
    if (!learners.problem.isEmpty()) {
        QTextStream(stderr) << learners.problem << Qt::endl;
        // Off a real screen nobody would see the box, and it would wait for ever.
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            dialogs.inform(learners.problem);
        }
    }
    const Platform platform {
        homes.dataDir(), homes.userDir(), sound, dialogs, clock, launcher, *learners.store, &activeLayout};

    WindowSequence windows(platform, learners.roster.get());
    windows.openAfterSignIn(exam, textFileArgument());
    QObject::connect(&windows, &WindowSequence::frontWindowChanged, &app, [&dialogs](QWidget *window) {
        dialogs.setParentWindow(window);
        QTimer::singleShot(0, qApp, giveBackFreedMemory);
    });
    QObject::connect(&windows, &WindowSequence::finished, &app, &QApplication::quit);
    if (QApplication::arguments().contains(QLatin1String("--profesor"))) {
        if (!learners.roster) {
            QTextStream(stderr) << QStringLiteral("teclora: --profesor necesita un servidor del aula (servidor= en "
                                                  "[aula] de /etc/xdg/Teclora/Teclora.conf, o TECLORA_SERVER)")
                                << Qt::endl;
            return 2;
        }
        windows.startTeacher();
    } else {
        windows.start();
    }
    setWindowIconLater(homes);
    return QApplication::exec();
}
