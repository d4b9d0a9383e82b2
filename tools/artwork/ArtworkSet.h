#pragma once

#include <QDir>
#include <QStringList>
#include <QTextStream>

// Every picture and sound the program ships, and where each goes under data/.
namespace ArtworkSet
{

// Writes them all, creating folders as needed, and logs each file written with its size.
// Returns the relative paths that could not be written.
QStringList writeAll(const QDir &dataDir, QTextStream &log);

} // namespace ArtworkSet
