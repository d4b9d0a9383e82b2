#pragma once

#include "PostgresServer.h"
#include "QtPrinters.h"
#include "ServerAddress.h"
#include "ServerLearnerStore.h"
#include "ServerSetup.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <memory>

// A class server set up from scratch for one test: a database of its own on the test program's
// server, prepared as the lab's administrator would, and PCs (stores) with queues of their own.
class ServerTestCase : public ::testing::Test
{
protected:
    static inline const QString TeacherPassword = QStringLiteral("pizarra-verde-2026");

    void SetUp() override
    {
        PostgresServer &server = PostgresServer::shared();
        if (!server.problem().isEmpty()) {
            GTEST_SKIP() << server.problem().toStdString();
        }
        ASSERT_TRUE(server.start());
        database = server.createDatabase();
        ASSERT_FALSE(database.isEmpty());
        const InitRun run = initServer(TeacherPassword);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        ASSERT_TRUE(run.out.startsWith(QStringLiteral("servidor="))) << run.out.toStdString();
        learnerUrl = run.out.trimmed().mid(QStringLiteral("servidor=").size());
    }

    struct InitRun {
        int status = 0;
        QString out;
        QString err;
    };
    // What "--init-server" on this test's database does with the answer typed.
    InitRun initServer(const QString &typedPassword)
    {
        QString input = typedPassword + QLatin1Char('\n');
        InitRun run;
        QTextStream in(&input);
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        run.status = runInitServer(PostgresServer::shared().adminUrl(database), in, out, err);
        return run;
    }

    // One PC of the lab: the store with a queue of its own.
    std::unique_ptr<ServerLearnerStore> newPc(const QString &pcName)
    {
        return std::make_unique<ServerLearnerStore>(ServerAddress::parse(learnerUrl), queuePath(pcName));
    }
    QString queuePath(const QString &pcName) const
    {
        return pcs.filePath(pcName + QStringLiteral("/cola.json"));
    }

    // The answer of statement run as the administrator, first column of the first row.
    QVariant adminValue(const QString &statement)
    {
        return valueAs(ServerAddress::parse(PostgresServer::shared().adminUrl(database)), statement);
    }
    void adminRun(const QString &statement)
    {
        ASSERT_EQ(PostgresServer::shared().runAsAdmin(database, statement), QString()) << statement.toStdString();
    }

    // The answer of statement on a connection of its own; an invalid QVariant, with the error in
    // error, when it failed.
    static QVariant valueAs(const ServerAddress &address, const QString &statement, QString *error = nullptr)
    {
        QVariant value;
        {
            QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("test-value"));
            address.applyTo(connection);
            if (!connection.open()) {
                value = QVariant();
                if (error) {
                    *error = connection.lastError().text();
                }
            } else if (QSqlQuery query(connection); query.exec(statement)) {
                value = query.next() ? query.value(0) : QVariant(QString());
            } else if (error) {
                *error = query.lastError().text();
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("test-value"));
        return value;
    }

    QString database;
    QString learnerUrl;
    QTemporaryDir pcs;
};
