#include "ServerCommands.h"

#include "ServerImport.h"
#include "ServerSetup.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <termios.h>
#include <unistd.h>

namespace
{

// The teacher's password is typed unseen at a terminal; from a pipe it is read as it comes, so
// that the set-up can be scripted.
class HiddenTyping
{
public:
    HiddenTyping()
    {
        if (isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved) == 0) {
            termios quiet = saved;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            hidden = tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
        }
    }
    ~HiddenTyping()
    {
        if (hidden) {
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        }
    }
    HiddenTyping(const HiddenTyping &) = delete;
    HiddenTyping &operator=(const HiddenTyping &) = delete;

private:
    termios saved {};
    bool hidden = false;
};

int usageError(QTextStream &err, const QString &what)
{
    err << QStringLiteral("teclora: ") << what << Qt::endl;
    return 2;
}

} // namespace

int runServerCommand(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const bool init = arguments.contains(QLatin1String("--init-server"));
    const bool import = arguments.contains(QLatin1String("--import-folder"));
    if (!init && !import) {
        return -1;
    }
    const QCoreApplication app(argc, argv);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (init) {
        const QString url = arguments.value(arguments.indexOf(QLatin1String("--init-server")) + 1);
        if (url.isEmpty() || url.startsWith(QLatin1Char('-'))) {
            return usageError(err,
                QStringLiteral("a --init-server le falta la dirección del servidor, "
                               "postgresql://ADMINISTRADOR@SERVIDOR/teclora"));
        }
        const HiddenTyping hidden;
        return runInitServer(url, in, out, err);
    }
    const qsizetype at = arguments.indexOf(QLatin1String("--import-folder"));
    const QString dir = arguments.value(at + 1);
    const QString url = arguments.value(at + 2);
    if (dir.isEmpty() || url.isEmpty() || dir.startsWith(QLatin1Char('-')) || url.startsWith(QLatin1Char('-'))) {
        return usageError(err,
            QStringLiteral("uso: teclora --import-folder CARPETA postgresql://ADMINISTRADOR@"
                           "SERVIDOR/teclora [--apply]"));
    }
    return runImportFolder(dir, url, arguments.contains(QLatin1String("--apply")), out, err);
}
