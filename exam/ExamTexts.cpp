#include "ExamTexts.h"

#include "ExerciseText.h"
#include "FileLookup.h"
#include "SafeFile.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace ExamTexts
{

QList<Entry> list(const QString &dataDir, const QString &language)
{
    // Found whatever the case of its letters, as the exercises' folders are.
    const QString examsFolder = FileLookup::findIgnoringCase(dataDir, QStringLiteral("Examenes"));
    const QString languageFolder = examsFolder.isEmpty()
        ? QString()
        : FileLookup::findIgnoringCase(dataDir + QLatin1Char('/') + examsFolder, language);
    if (languageFolder.isEmpty()) {
        return {};
    }
    const QDir folder(dataDir + QLatin1Char('/') + examsFolder + QLatin1Char('/') + languageFolder);
    static const QRegularExpression numbered(
        QStringLiteral("^(\\d{1,6}) +(.+)\\.txt$"), QRegularExpression::CaseInsensitiveOption);
    QList<std::pair<int, Entry>> found;
    for (const QString &file : folder.entryList({QStringLiteral("*.txt"), QStringLiteral("*.TXT")}, QDir::Files)) {
        const QRegularExpressionMatch match = numbered.match(file);
        if (match.hasMatch()) {
            const QString baseName = file.chopped(4);
            found.append({match.captured(1).toInt(),
                {match.captured(2), language + QStringLiteral("\\Examenes\\") + baseName, folder.filePath(file)}});
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const auto &a, const auto &b) {
        return a.first < b.first;
    });
    QList<Entry> entries;
    for (const auto &[number, entry] : found) {
        entries.append(entry);
    }
    return entries;
}

QString read(const QString &path)
{
    bool readable = false;
    const QByteArray bytes = SafeFile::read(path, &readable, ExerciseText::MaxFileSize);
    QString text = readable ? ExerciseText::fromFile(bytes) : QString();
    // A last line break would be one more Enter to type after the last word.
    while (text.endsWith(QLatin1String("\r\n"))) {
        text.chop(2);
    }
    return text;
}

} // namespace ExamTexts
