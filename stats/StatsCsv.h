#pragma once

#include <QStringList>

class LearnerStatistics;

// The statistics as CSV files for a teacher's spreadsheet: "ejercicios.csv" (one row per drill),
// "teclas.csv" (one row per character) and "errores.csv" (one row per character typed instead
// of another), fields separated by semicolons as spreadsheets set to Spanish expect. Unlike the
// program's own files they are UTF-8 behind a byte-order mark (with CR LF): the mark is how a
// spreadsheet tells a UTF-8 CSV file from one in the system's code page.
namespace StatsCsv
{

// Writes the three files into folder, creating it; false when one of them could not be written.
bool exportTo(const LearnerStatistics &store, const QStringList &texts, const QString &folder);

// One table as a CSV file at path; false when it could not be written whole.
bool writeTable(const QString &path, const QStringList &header, const QList<QStringList> &rows);

// One CSV line: fields holding a separator, a quote or a line break are quoted.
QString line(const QStringList &fields);

} // namespace StatsCsv
