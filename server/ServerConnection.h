#pragma once

#include "ServerAddress.h"

#include <QSqlDatabase>
#include <QString>

// One connection of its own to the class server, named uniquely so that stores, the set-up and
// the tests never share one, and removed with this object.
class ServerConnection
{
public:
    explicit ServerConnection(const ServerAddress &address);
    ~ServerConnection();
    ServerConnection(const ServerConnection &) = delete;
    ServerConnection &operator=(const ServerConnection &) = delete;

    // Opens the connection when it is not open; false when the server cannot be reached.
    bool open();
    // Whether an open connection still answers: after a failed query, tells a server gone away
    // from a query the server refused. A connection found dead is closed, so open() tries anew.
    bool answers();
    QSqlDatabase database() const
    {
        return QSqlDatabase::database(name, false);
    }
    // The last error of the connection, for messages.
    QString lastError() const;

private:
    QString name;
};
