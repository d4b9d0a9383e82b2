#include "PostgresServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVersionNumber>

#include <gtest/gtest.h>

#include <unistd.h>

std::unique_ptr<PostgresServer> PostgresServer::instance;

namespace
{

const QString Installed = QStringLiteral("/usr/lib/postgresql");

// The bin folder of the newest version that has initdb and pg_ctl; empty when there is none.
QString newestBinaries()
{
    QStringList versions = QDir(Installed).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(versions.begin(), versions.end(), [](const QString &a, const QString &b) {
        return QVersionNumber::fromString(a) > QVersionNumber::fromString(b);
    });
    for (const QString &version : versions) {
        const QString bin = Installed + QLatin1Char('/') + version + QStringLiteral("/bin");
        if (QFile::exists(bin + QStringLiteral("/initdb")) && QFile::exists(bin + QStringLiteral("/pg_ctl"))) {
            return bin;
        }
    }
    return {};
}

// initdb refuses to run as root: the server then runs as the user its Debian package made.
bool asRoot()
{
    return ::geteuid() == 0;
}

const QString ServerUser = QStringLiteral("postgres");

} // namespace

PostgresServer::PostgresServer()
    : binaries(newestBinaries())
{
    if (binaries.isEmpty()) {
        why = QStringLiteral("no PostgreSQL server installed in ") + Installed
            + QStringLiteral(" (Debian: postgresql)");
        return;
    }
    if (!folder.isValid()) {
        why = QStringLiteral("no temporary folder");
        return;
    }
    QFile passwordFile(folder.filePath(QStringLiteral("password")));
    if (!passwordFile.open(QIODevice::WriteOnly) || passwordFile.write(AdminPassword.toUtf8()) < 0) {
        why = QStringLiteral("the password file could not be written");
        return;
    }
    passwordFile.close();
    // The folder becomes the server's; every folder above it must let that user through.
    const QStringList canWrite = {QStringLiteral("-u"), ServerUser, QStringLiteral("--"), QStringLiteral("test"),
        QStringLiteral("-w"), folder.path()};
    if (asRoot()
        && (QProcess::execute(QStringLiteral("chown"), {QStringLiteral("-R"), ServerUser, folder.path()}) != 0
            || QProcess::execute(QStringLiteral("runuser"), canWrite) != 0)) {
        why = QStringLiteral("the user postgres cannot write in ") + folder.path()
            + QStringLiteral(" (set TMPDIR to a folder it can reach)");
        return;
    }
    const QString error = runTool(QStringLiteral("initdb"),
        {QStringLiteral("-D"), folder.filePath(QStringLiteral("data")), QStringLiteral("-U"), AdminName,
            QStringLiteral("--pwfile=") + passwordFile.fileName(), QStringLiteral("--auth=scram-sha-256"),
            QStringLiteral("--encoding=UTF8"), QStringLiteral("--locale=C.UTF-8"), QStringLiteral("--no-sync")});
    if (!error.isEmpty()) {
        why = QStringLiteral("initdb failed: ") + error;
        return;
    }
    if (!start()) {
        why = QStringLiteral("the server did not start; see ") + folder.filePath(QStringLiteral("log"));
        folder.setAutoRemove(false);
    }
}

PostgresServer::~PostgresServer()
{
    stop();
}

PostgresServer &PostgresServer::shared()
{
    if (!instance) {
        instance = std::make_unique<PostgresServer>();
    }
    return *instance;
}

void PostgresServer::tearDownShared()
{
    instance.reset();
}

QString PostgresServer::runTool(const QString &tool, const QStringList &arguments) const
{
    QProcess process;
    // The server's own messages, in English whatever the machine's language.
    process.setProcessEnvironment([] {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("C"));
        return environment;
    }());
    process.setWorkingDirectory(folder.path());
    const QString program = binaries + QLatin1Char('/') + tool;
    if (asRoot()) {
        process.start(QStringLiteral("runuser"),
            QStringList {QStringLiteral("-u"), ServerUser, QStringLiteral("--"), program} + arguments);
    } else {
        process.start(program, arguments);
    }
    if (!process.waitForFinished(120'000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return QString::fromLocal8Bit(process.readAllStandardError()) + process.errorString();
    }
    return {};
}

bool PostgresServer::start()
{
    if (running) {
        return true;
    }
    // Only the socket in the folder: nothing else on the machine can reach this server.
    const QString options
        = QStringLiteral("-c listen_addresses='' -c unix_socket_directories='%1' -c fsync=off").arg(folder.path());
    running = runTool(QStringLiteral("pg_ctl"),
        {QStringLiteral("-D"), folder.filePath(QStringLiteral("data")), QStringLiteral("-l"),
            folder.filePath(QStringLiteral("log")), QStringLiteral("-o"), options, QStringLiteral("-w"),
            QStringLiteral("start")})
                  .isEmpty();
    return running;
}

bool PostgresServer::stop()
{
    if (!running) {
        return true;
    }
    running = !runTool(QStringLiteral("pg_ctl"),
        {QStringLiteral("-D"), folder.filePath(QStringLiteral("data")), QStringLiteral("-m"),
            QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")})
                   .isEmpty();
    return !running;
}

QString PostgresServer::socketPath() const
{
    // The server's default port names its socket.
    return folder.filePath(QStringLiteral(".s.PGSQL.5432"));
}

QString PostgresServer::adminUrl(const QString &database) const
{
    return QStringLiteral("postgresql://%1:%2@/%3?host=%4").arg(AdminName, AdminPassword, database, folder.path());
}

QString PostgresServer::runAsAdmin(const QString &database, const QString &statement) const
{
    QString error;
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("test-admin"));
        connection.setHostName(folder.path());
        connection.setUserName(AdminName);
        connection.setPassword(AdminPassword);
        connection.setDatabaseName(database);
        if (!connection.open()) {
            error = connection.lastError().text();
        } else if (QSqlQuery query(connection); !query.exec(statement)) {
            error = query.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-admin"));
    return error;
}

QString PostgresServer::createDatabase()
{
    const QString name = QStringLiteral("aula_%1").arg(++databases);
    const QString error = runAsAdmin(QStringLiteral("postgres"), QStringLiteral("CREATE DATABASE ") + name);
    return error.isEmpty() ? name : QString();
}

namespace
{

// The shared server goes when the tests are done, while the application still runs.
class SharedServerEnvironment : public ::testing::Environment
{
public:
    void TearDown() override
    {
        PostgresServer::tearDownShared();
    }
};

[[maybe_unused]] const ::testing::Environment *const sharedServerEnvironment
    = ::testing::AddGlobalTestEnvironment(new SharedServerEnvironment);

} // namespace
