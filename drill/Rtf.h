#pragma once

#include <QByteArray>

class QTextDocument;

// The program's own RTF: the history file and the report are what the echo pane holds, written
// as one RTF document in Windows-1252, and read back with their colours, emphasis (bold), point
// sizes and line breaks.
namespace Rtf
{

// The largest file read as a history. A drill's echo and result line take 3 to 4 bytes of RTF
// for every key typed, so this holds hundreds of hours of practice, and it still loads in a few
// seconds; past it a damaged or foreign file could hold the program for minutes.
constexpr qint64 MaxFileSize = 32 * 1024 * 1024;

// One RTF document: a font table naming Arial, a colour table, and for every run of text its
// \cf colour, \b emphasis and \fs size, \par for each line break and \'hh for bytes past ASCII
// (a character outside Windows-1252 is written as \uN with a '?' fallback).
// From the document position from on: the part of a history added since.
QByteArray write(const QTextDocument &document, int from = 0);

// Replaces the document's content with the text of rtf. Accepts what classic Windows rich-edit
// controls, LibreOffice and AbiWord write (destinations to skip, \uN with its fallback, \line,
// \tab, nested groups) and plain text without an RTF header (read as Windows-1252, CR LF, lone
// CR or lone LF each a line break). On malformed input it keeps the readable text; it never
// crashes, hangs or recurses without bound.
void read(const QByteArray &rtf, QTextDocument &document);
// The text of rtf, read as read() does, after the document's content.
void append(const QByteArray &rtf, QTextDocument &document);

} // namespace Rtf
