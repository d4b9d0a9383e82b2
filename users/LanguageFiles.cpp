#include "LanguageFiles.h"

#include "Cp1252.h"
#include "FieldReader.h"
#include "FileLookup.h"
#include "SafeFile.h"

namespace LanguageFiles
{

namespace
{

// Language files are a few hundred bytes; anything past this is not one.
constexpr qint64 MaxFileSize = 1024 * 1024;

QString languageFolder(const QString &appDir)
{
    return appDir + QStringLiteral("/idiomas");
}

} // namespace

QStringList generalItems(const QString &appDir, int first, int count)
{
    bool ok = false;
    const QByteArray bytes
        = SafeFile::read(languageFolder(appDir) + QStringLiteral("/idiomageneral.txt"), &ok, MaxFileSize);
    return FieldReader::readItems(Cp1252::decode(bytes), first + count).mid(first);
}

std::optional<QStringList> languageLines(const QString &appDir, const QString &language)
{
    const QString stored = FileLookup::findIgnoringCase(languageFolder(appDir), language + QStringLiteral(".txt"));
    if (stored.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const QByteArray bytes = SafeFile::read(languageFolder(appDir) + QLatin1Char('/') + stored, &ok, MaxFileSize);
    if (!ok) {
        return std::nullopt;
    }
    return FieldReader::readLines(Cp1252::decode(bytes), LanguageLineCount);
}

} // namespace LanguageFiles
