#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A PostgreSQL server of the tests' own: initdb and pg_ctl of the newest version installed, in a
// temporary folder, listening only on a Unix socket in that folder, with password logins. Made
// once per test program (see shared()) and stopped at the end; each test makes a database of
// its own. Where the server cannot be made, problem() says why and the tests skip.
class PostgresServer
{
public:
    PostgresServer();
    ~PostgresServer();
    PostgresServer(const PostgresServer &) = delete;
    PostgresServer &operator=(const PostgresServer &) = delete;

    // The one of this test program, made at the first call; torn down by tearDownShared().
    static PostgresServer &shared();
    static void tearDownShared();

    // Why there is no server; empty when it runs.
    QString problem() const
    {
        return why;
    }

    // The server away and back, as a lab's server that is restarted: stop kills it at once.
    bool stop();
    bool start();

    // Where the server listens while it runs: something else may listen there while it is stopped.
    QString socketPath() const;

    // A new, empty database; its name.
    QString createDatabase();
    // The administrator's URL of database.
    QString adminUrl(const QString &database) const;
    // Runs statement as the administrator in database; its error, empty when it ran.
    QString runAsAdmin(const QString &database, const QString &statement) const;

    static inline const QString AdminName = QStringLiteral("teclora_admin");
    static inline const QString AdminPassword = QStringLiteral("admin-de-pruebas");

private:
    // Runs one of the server's programs as the user that owns its files; its error output, empty
    // when it succeeded.
    QString runTool(const QString &tool, const QStringList &arguments) const;

    QString binaries;
    QTemporaryDir folder;
    QString why;
    bool running = false;
    int databases = 0;

    static std::unique_ptr<PostgresServer> instance;
};
