#pragma once

#include "ServerConnection.h"

#include <QString>

#include <memory>

class QTextStream;

// The administrator's connection for the command-line tools (the set-up and the import): the
// address read and the server reached, or the reason written to err and none.
std::unique_ptr<ServerConnection> openAdminConnection(const QString &adminUrl, QTextStream &err);
