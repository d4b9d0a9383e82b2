#include "AppFolder.h"

#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void AppFolder::writeBytes(const QString &relative, const QByteArray &bytes) const
{
    const QString full = path() + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

void AppFolder::write(const QString &relative, const QString &text) const
{
    QString withBreaks = text;
    withBreaks.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    writeBytes(relative, Cp1252::encode(withBreaks));
}

void AppFolder::makeFolder(const QString &relative) const
{
    QDir().mkpath(path() + QLatin1Char('/') + relative);
}

void AppFolder::writeLanguageFiles(const QString &language) const
{
    write(QStringLiteral("idiomas/idiomageneral.txt"),
        QStringLiteral("a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\n\" - historial\"\nSalir?\nNo guardado\nFalta idioma\n"
                       "Espacio\nIntro\nPrecision\n"));
    write(QStringLiteral("idiomas/") + language + QStringLiteral(".txt"),
        QStringLiteral("hint 0\nhint 1\nhint 2\nhint 3\nhint 4\nhint 5\nhint 6\nfin\nnueve\n"));
}

QByteArray AppFolder::read(const QString &relative) const
{
    QFile file(path() + QLatin1Char('/') + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
