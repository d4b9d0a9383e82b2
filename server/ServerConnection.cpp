#include "ServerConnection.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>

namespace
{

QString uniqueName()
{
    static QAtomicInt count;
    return QStringLiteral("teclora-server-%1").arg(count.fetchAndAddRelaxed(1));
}

} // namespace

ServerConnection::ServerConnection(const ServerAddress &address)
    : name(uniqueName())
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    address.applyTo(database);
}

ServerConnection::~ServerConnection()
{
    database().close();
    QSqlDatabase::removeDatabase(name);
}

bool ServerConnection::open()
{
    QSqlDatabase connection = database();
    return connection.isOpen() || connection.open();
}

bool ServerConnection::answers()
{
    QSqlDatabase connection = database();
    if (!connection.isOpen()) {
        return false;
    }
    QSqlQuery query(connection);
    if (query.exec(QStringLiteral("SELECT 1"))) {
        return true;
    }
    query.finish();
    connection.close();
    return false;
}

QString ServerConnection::lastError() const
{
    return database().lastError().text();
}
