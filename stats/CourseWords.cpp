#include "CourseWords.h"

#include "ExerciseText.h"
#include "SafeFile.h"

#include <QCollator>
#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace CourseWords
{

namespace
{

// How the lessons of words, sentences and texts begin their names in the courses we ship:
// "16 Palabras", "17 Frases", "18 Párrafos", "19 Textos largos" in Castellano, "06 Words",
// "07 Sentences", "08 Texts" in English, and their Català, Euskara and Galego names. Their
// content cannot tell them from the lessons of keys: those end on real words as well ("la lasaña
// asada" closes the first lesson) and their drills read like words ("asdf", "sala", "ded"). The
// names can, and a course that names its lessons otherwise has no words to practise with.
const QStringList WordLessonStems = {
    QStringLiteral("palabra"), // Castellano, Galego
    QStringLiteral("paraul"), // Català
    QStringLiteral("word"),
    QStringLiteral("hitz"), // Euskara
    QStringLiteral("frase"), // Castellano, Català, Galego
    QStringLiteral("sentence"),
    QStringLiteral("esaldi"),
    QStringLiteral("párrafo"),
    QStringLiteral("text"), // Textos, Texts
    QStringLiteral("testu"),
};

// Lesson folders and exercise files in the order a learner meets them: "2.txt" before "10.txt".
QStringList naturalOrder(QStringList names, const QCollator &collator)
{
    std::sort(names.begin(), names.end(), collator);
    return names;
}

bool isLetter(QChar character)
{
    return character.isLetter();
}

// Whether a lesson folder ("16 Palabras", "07 Sentences") holds words, sentences or texts rather
// than drills of keys.
bool isWordLesson(const QString &lessonFolder)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString &part : lessonFolder.toCaseFolded().split(blanks, Qt::SkipEmptyParts)) {
        if (std::any_of(WordLessonStems.cbegin(), WordLessonStems.cend(), [&part](const QString &stem) {
                return part.startsWith(stem);
            })) {
            return true;
        }
    }
    return false;
}

// The word a token of an exercise ("¿Qué", "cigüeña,") stands for; empty when it is not one.
QString wordOf(QStringView token)
{
    const auto first = std::find_if(token.cbegin(), token.cend(), isLetter);
    const auto last = std::find_if(token.crbegin(), token.crend(), isLetter).base();
    if (first >= last || last - first < 2 || !std::all_of(first, last, isLetter)) {
        return {};
    }
    return QStringView(first, last).toString();
}

} // namespace

QStringList read(const QString &languageFolder)
{
    static const QRegularExpression separators(QStringLiteral("[ \\r\\n]+"));
    QStringList words;
    QSet<QString> seen;
    QCollator collator;
    collator.setNumericMode(true);
    const QDir language(languageFolder);
    for (const QString &lesson : naturalOrder(language.entryList(QDir::Dirs | QDir::NoDotAndDotDot), collator)) {
        if (!isWordLesson(lesson)) {
            continue;
        }
        const QDir folder(language.filePath(lesson));
        for (const QString &file : naturalOrder(folder.entryList({QStringLiteral("*.txt")}, QDir::Files), collator)) {
            bool ok = false;
            const QByteArray bytes = SafeFile::read(folder.filePath(file), &ok, ExerciseText::MaxFileSize);
            if (!ok) {
                continue;
            }
            const QString text = ExerciseText::fromFile(bytes);
            for (const QStringView token : QStringView(text).split(separators, Qt::SkipEmptyParts)) {
                const QString word = wordOf(token);
                if (!word.isEmpty() && !seen.contains(word)) {
                    seen.insert(word);
                    words.append(word);
                }
            }
        }
    }
    return words;
}

} // namespace CourseWords
