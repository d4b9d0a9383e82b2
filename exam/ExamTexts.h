#pragma once

#include <QList>
#include <QString>

// The course's test texts: "Examenes/<language>/<N> <title>.txt" in the data folder, beside
// "Ejercicios", in Windows-1252 with CR LF and a paragraph a line, as the exercises are.
namespace ExamTexts
{

struct Entry {
    QString title; // "El puerto", the file name without its number
    QString name; // "Castellano\Examenes\1 El puerto", as the history and the statistics name it
    QString path;
};

// The test texts of language, by their numbers; none when the folder is missing.
QList<Entry> list(const QString &dataDir, const QString &language);

// The text as a drill takes it; empty when the file cannot be read or holds nothing to type.
QString read(const QString &path);

} // namespace ExamTexts
