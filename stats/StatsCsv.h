#pragma once

#include <QStringList>

class StatsStore;

// The statistics as CSV files for a teacher's spreadsheet: "ejercicios.csv" (one row per drill),
// "teclas.csv" (one row per character) and "errores.csv" (one row per character typed instead
// of another). Windows-1252 with CR LF like every file of the program, fields separated by
// semicolons, as spreadsheets set to Spanish expect.
namespace StatsCsv
{

// Writes the three files into folder, creating it; false when one of them could not be written.
bool exportTo(const StatsStore &store, const QStringList &texts, const QString &folder);

// One CSV line: fields holding a separator, a quote or a line break are quoted.
QString line(const QStringList &fields);

} // namespace StatsCsv
