#pragma once

#include <QString>
#include <QStringList>

// Reading of the general language file and the password file: items separated by commas or line
// ends, blanks before an item skipped, an item in double quotes kept whole (commas and blanks
// inside included), an unquoted item cut at the next comma or line end without trailing blanks.
namespace FieldReader
{

// The first count items of text; items the text does not hold are empty.
QStringList readItems(const QString &text, int count);

// The first count lines of text, each taken whole (commas and quotes are part of it); lines the
// text does not hold are empty. CR LF, a lone CR or a lone LF end a line.
QStringList readLines(const QString &text, int count);

} // namespace FieldReader
