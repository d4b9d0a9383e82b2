#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>

// Every text file the program reads or writes is Windows-1252; Qt 6.4 has no codec for it.
namespace Cp1252
{

// Each byte becomes one character. The five bytes Windows-1252 leaves undefined decode to the
// C1 control of the same value, as Windows itself does, so no byte is ever lost.
QString decode(QByteArrayView bytes);

// The byte of a character, or -1 when the character has none in Windows-1252.
int codeOf(QChar character);

// Characters without a byte become '?'.
QByteArray encode(const QString &text);

// Upper case within the repertoire: accented small letters map to their capitals, and a
// character whose capital has no byte (µ, ß) stays as it is.
QChar toUpper(QChar character);

} // namespace Cp1252
