#pragma once

#include <QString>
#include <QTemporaryDir>

#include "QtPrinters.h"

// A temporary application directory with the files a test puts into it. Texts are written as
// the program's files are: Windows-1252, "\n" in the text becoming CR LF.
class AppFolder
{
public:
    QString path() const
    {
        return dir.path();
    }
    // Writes text at a path relative to the folder, creating the folders on the way.
    void write(const QString &relative, const QString &text) const;
    void writeBytes(const QString &relative, const QByteArray &bytes) const;
    void makeFolder(const QString &relative) const;
    // The Spanish texts the tests expect: hint i is "hint i", the end message "fin", and the
    // general file gives "Salir?", "No guardado", "Falta idioma", "Espacio", "Intro", "Precision".
    void writeLanguageFiles(const QString &language) const;
    QByteArray read(const QString &relative) const;

private:
    QTemporaryDir dir;
};
