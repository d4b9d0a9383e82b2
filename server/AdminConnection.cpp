#include "AdminConnection.h"

#include <QTextStream>

std::unique_ptr<ServerConnection> openAdminConnection(const QString &adminUrl, QTextStream &err)
{
    const ServerAddress address = ServerAddress::parse(adminUrl);
    if (!address.isValid()) {
        err << address.error() << Qt::endl;
        return nullptr;
    }
    auto connection = std::make_unique<ServerConnection>(address);
    if (!connection->open()) {
        err << QStringLiteral("No se pudo conectar con el servidor: ") << connection->lastError() << Qt::endl;
        return nullptr;
    }
    return connection;
}
