#pragma once

#include <QString>

// Asks the X server (through the XKB extension) which layout the core keyboard types with now:
// the layout of its active group. Its own connection, so nothing here reaches into Qt's.
namespace XkbActiveGroup
{

struct Result {
    QString layout; // the layout file's name, "es" or "latam"; empty when it could not be read
    QString error; // why, when it could not
};

Result read();

} // namespace XkbActiveGroup
