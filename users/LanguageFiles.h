#pragma once

#include <QStringList>

#include <optional>

// The interface texts kept in the folder "idiomas" of the application directory: the general file
// (items read field by field) and one file of nine lines per exercise language.
namespace LanguageFiles
{

constexpr int LanguageLineCount = 9;

// Items first to first + count - 1 of the general file; what cannot be read is empty.
QStringList generalItems(const QString &appDir, int first, int count);

// The nine lines of the language's file, found with letter case ignored; none when the folder
// holds no such file or it cannot be read. A shorter file leaves the remaining lines empty.
std::optional<QStringList> languageLines(const QString &appDir, const QString &language);

} // namespace LanguageFiles
