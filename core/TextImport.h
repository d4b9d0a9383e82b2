#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A learner's own text, from a file or the clipboard, made into exercises of the course's shape.
namespace TextImport
{

// A long novel is under a megabyte of plain text; anything much larger is no text to practise,
// and reading it would only hold the window up.
constexpr qint64 MaxFileSize = 2 * 1024 * 1024;

struct Result {
    // Each exercise's lines joined with CR LF, every character typable.
    QStringList exercises;
    // The file's name without its extension, or the first words of a pasted text.
    QString title;
    // The one message saying what was changed or left out; empty when the text stood as it was.
    QString notice;
    // Why nothing can be practised; when it is set, exercises is empty.
    QString refusal;
};

// Reads the file at path. A FIFO, a device or a folder is refused without being opened, so
// nothing blocks; so is a file larger than MaxFileSize, before it is read.
Result fromFile(const QString &path);

Result fromPastedText(const QString &text);

// The text of a file's bytes: UTF-8 with or without its BOM, UTF-16 with its BOM, otherwise
// Windows-1252. ok is false for bytes that are no text at all (a program, a picture).
QString decode(const QByteArray &bytes, bool *ok);

} // namespace TextImport
