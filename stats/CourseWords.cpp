#include "CourseWords.h"

#include "ExerciseText.h"
#include "SafeFile.h"

#include <QCollator>
#include <QDir>
#include <QSet>

#include <algorithm>

namespace CourseWords
{

namespace
{

// Lesson folders and exercise files in the order a learner meets them: "2.txt" before "10.txt".
QStringList naturalOrder(QStringList names, const QCollator &collator)
{
    std::sort(names.begin(), names.end(), collator);
    return names;
}

} // namespace

bool isRealWord(QStringView word)
{
    QString letters;
    bool vowel = false;
    for (const QChar character : word) {
        if (!character.isLetter()) {
            continue;
        }
        const QChar lower = character.toLower();
        vowel = vowel || QStringView(u"aeiouáéíóúàèìòùäëïöü").contains(lower);
        if (!letters.contains(lower)) {
            letters += lower;
        }
    }
    return vowel && letters.size() >= 3;
}

QStringList read(const QString &languageFolder)
{
    QStringList words;
    QSet<QString> seen;
    QCollator collator;
    collator.setNumericMode(true);
    const QDir language(languageFolder);
    for (const QString &lesson : naturalOrder(language.entryList(QDir::Dirs | QDir::NoDotAndDotDot), collator)) {
        const QDir folder(language.filePath(lesson));
        for (const QString &file : naturalOrder(folder.entryList({QStringLiteral("*.txt")}, QDir::Files), collator)) {
            bool ok = false;
            const QByteArray bytes = SafeFile::read(folder.filePath(file), &ok, ExerciseText::MaxFileSize);
            if (!ok) {
                continue;
            }
            const QString text = ExerciseText::fromFile(bytes);
            for (const QStringView word : QStringView(text).split(u' ', Qt::SkipEmptyParts)) {
                for (const QStringView part : word.split(u'\r', Qt::SkipEmptyParts)) {
                    const QString trimmed = part.trimmed().toString();
                    if (isRealWord(trimmed) && !seen.contains(trimmed)) {
                        seen.insert(trimmed);
                        words.append(trimmed);
                    }
                }
            }
        }
    }
    return words;
}

} // namespace CourseWords
