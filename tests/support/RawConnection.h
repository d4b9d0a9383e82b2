#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

// A raw connection of the test's own, as another program would open the file.
class RawConnection
{
public:
    explicit RawConnection(const QString &path)
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.open();
    }
    ~RawConnection()
    {
        QSqlDatabase::database(name).close();
        QSqlDatabase::removeDatabase(name);
    }
    bool exec(const QString &statement)
    {
        QSqlQuery query(QSqlDatabase::database(name));
        return query.exec(statement);
    }
    QVariant value(const QString &statement)
    {
        QSqlQuery query(QSqlDatabase::database(name));
        return query.exec(statement) && query.next() ? query.value(0) : QVariant();
    }

private:
    QString name = QStringLiteral("raw");
};
