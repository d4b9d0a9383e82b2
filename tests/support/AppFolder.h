#pragma once

#include "Cp1252.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

// A temporary application directory with the files a test puts into it. Texts are written as
// the program's files are: Windows-1252, "\n" in the text becoming CR LF.
class AppFolder
{
public:
    QString path() const
    {
        return dir.path();
    }
    // Writes bytes at a path relative to the folder, creating the folders on the way.
    void writeBytes(const QString &relative, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(dir.filePath(relative)).path());
        QFile file(dir.filePath(relative));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }
    void write(const QString &relative, const QString &text) const
    {
        writeBytes(relative, Cp1252::encode(QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"))));
    }
    void makeFolder(const QString &relative) const
    {
        QDir().mkpath(dir.filePath(relative));
    }
    // The Spanish texts the tests expect: hint i is "hint i", the end message "fin", and the
    // general file gives "Salir?", "No guardado", "Falta idioma", "Espacio", "Intro", "Precision".
    void writeLanguageFiles(const QString &language) const
    {
        write(QStringLiteral("idiomas/idiomageneral.txt"),
            QStringLiteral("a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\n\" - historial\"\nSalir?\nNo guardado\nFalta idioma\n"
                           "Espacio\nIntro\nPrecision\n"));
        write(QStringLiteral("idiomas/") + language + QStringLiteral(".txt"),
            QStringLiteral("hint 0\nhint 1\nhint 2\nhint 3\nhint 4\nhint 5\nhint 6\nfin\nnueve\n"));
    }
    QByteArray read(const QString &relative) const
    {
        QFile file(dir.filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir;
};
