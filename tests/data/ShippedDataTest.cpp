#include "Cp1252.h"
#include "GeneralItems.h"
#include "InterfaceTexts.h"
#include "LanguageFiles.h"
#include "StatsTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <span>

// The files under data/ are what learners type, so every one of them is read here exactly as the
// program will read it: a file that breaks a rule shows up as a drill that cannot be finished or
// as a character no key of the Spanish keyboard produces.

namespace
{

const QString DataDir = QString::fromUtf8(TECLORA_DATA_DIR);

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A pattern (UTF-8) a text must not match, and what a match means.
using Rule = std::pair<const char *, const char *>;

// Bytes Windows-1252 leaves undefined (decoded as the C1 controls of the same value), and line
// ends other than CR LF.
constexpr Rule EncodingRules[] = {
    {"[\\x{81}\\x{8D}\\x{8F}\\x{90}\\x{9D}]", "a byte Windows-1252 leaves undefined"},
    {"\\r(?!\\n)|(?<!\\r)\\n", "a CR or LF outside a CR LF pair"},
};

constexpr Rule BlankRule = {"^$|^ | $", "blank, or a blank at an end"};
// Besides ASCII letters and digits: what the Spanish (Spain) keyboard types directly, with AltGr
// (@ # €) or through its dead keys ´ ` ¨.
constexpr Rule UntypableRule = {"[^A-Za-z0-9 ñÑçÇáéíóúÁÉÍÓÚàèìòùÀÈÌÒÙäëïöüÄËÏÖÜ"
                                ",.;:\\-_¿?¡!'\"()/&%$=+*·@#ºª<>€]",
    "a character no key types:"};

constexpr Rule LineRules[] = {
    BlankRule,
    {".{46}", "longer than the 45 characters that fit the exercise pane at 36 points"},
    UntypableRule,
};

// An exam text is typed as one long text: a line is a paragraph, however long.
constexpr Rule ParagraphRules[] = {BlankRule, UntypableRule};

QStringList broken(const QString &text, std::span<const Rule> rules, const QString &where = QString())
{
    QStringList faults;
    for (const auto &[pattern, fault] : rules) {
        if (const auto match = QRegularExpression(QString::fromUtf8(pattern)).match(text); match.hasMatch()) {
            faults << where + QLatin1String(fault) + u' ' + match.captured();
        }
    }
    return faults;
}

// Every rule a text file to be typed breaks, in words; empty when it can be typed as it is.
QStringList textFaults(const QString &text, std::span<const Rule> lineRules, qsizetype minLines, qsizetype maxLines)
{
    QStringList faults = broken(text, EncodingRules);
    if (text.endsWith(u'\n') || text.endsWith(u'\r')) {
        faults << QStringLiteral("a line break at the end, which the learner could never type");
    }
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.size() < minLines || lines.size() > maxLines) {
        faults << QStringLiteral("%1 lines instead of %2 to %3").arg(lines.size()).arg(minLines).arg(maxLines);
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        faults << broken(lines.at(i), lineRules, QStringLiteral("line %1: ").arg(i + 1));
    }
    return faults;
}

QString decodedContents(const QString &path)
{
    return Cp1252::decode(contents(path));
}

QStringList subfolders(const QDir &dir)
{
    return dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

const QDir exerciseRoot(DataDir + QStringLiteral("/Ejercicios"));

// Every lesson folder as "language/lesson".
QStringList lessonPaths()
{
    QStringList paths;
    for (const QString &language : subfolders(exerciseRoot)) {
        for (const QString &lesson : subfolders(QDir(exerciseRoot.filePath(language)))) {
            paths << language + u'/' + lesson;
        }
    }
    return paths;
}

// The exercises of a lesson in the order the learner meets them.
QStringList exercisePaths(const QString &lessonPath)
{
    const QDir lesson(exerciseRoot.filePath(lessonPath));
    QStringList names = lesson.entryList({QStringLiteral("*.txt")}, QDir::Files);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.section(u'.', 0, 0).toInt() < b.section(u'.', 0, 0).toInt();
    });
    for (QString &name : names) {
        name = lesson.filePath(name);
    }
    return names;
}

} // namespace

TEST(ShippedData, EveryExerciseCanBeDrilled)
{
    ASSERT_FALSE(subfolders(exerciseRoot).isEmpty()) << "no language folders in " << qPrintable(exerciseRoot.path());
    static const QRegularExpression lessonName(QStringLiteral("^\\d\\d( [\\p{L}\\d]+)+$"));
    static const QRegularExpression exerciseName(QStringLiteral("^[1-9][0-9]*\\.txt$"));
    for (const QString &language : subfolders(exerciseRoot)) {
        const QDir languageDir(exerciseRoot.filePath(language));
        EXPECT_FALSE(subfolders(languageDir).isEmpty()) << qPrintable(language) << " has no lessons";
        for (const QString &lesson : subfolders(languageDir)) {
            const QString lessonPath = language + u'/' + lesson;
            EXPECT_TRUE(lessonName.match(lesson).hasMatch() && lesson.size() <= 24
                && Cp1252::decode(Cp1252::encode(lesson)) == lesson)
                << "lesson name " << qPrintable(lessonPath);
            const QFileInfoList entries
                = QDir(languageDir.filePath(lesson))
                      .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            EXPECT_FALSE(entries.isEmpty()) << qPrintable(lessonPath) << " has no exercises";
            for (const QFileInfo &entry : entries) {
                // A lesson holds 1.txt .. n.txt, as the exercise number field counts them, and nothing else.
                const QString where = lessonPath + u'/' + entry.fileName();
                EXPECT_TRUE(entry.isFile() && exerciseName.match(entry.fileName()).hasMatch()
                    && entry.completeBaseName().toInt() <= entries.size())
                    << qPrintable(where) << " is no exercise of its lesson";
                const QStringList faults = textFaults(decodedContents(entry.filePath()), LineRules, 2, 8);
                EXPECT_TRUE(faults.isEmpty()) << qPrintable(where) << ": " << qPrintable(faults.join(u"; "));
            }
        }
    }
}

TEST(ShippedData, NoLineRepeatsWithinALesson)
{
    // A repeated line teaches nothing new and makes two exercises of a lesson look alike.
    for (const QString &lessonPath : lessonPaths()) {
        QHash<QString, QString> firstSeen;
        for (const QString &exercise : exercisePaths(lessonPath)) {
            const QStringList lines = decodedContents(exercise).split(QStringLiteral("\r\n"));
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QString where = QFileInfo(exercise).fileName() + QStringLiteral(" line %1").arg(i + 1);
                const QString first = firstSeen.value(lines.at(i));
                EXPECT_TRUE(first.isEmpty()) << qPrintable(lessonPath) << ": " << qPrintable(where) << " repeats "
                                             << qPrintable(first) << ": " << qPrintable(lines.at(i));
                firstSeen.insert(lines.at(i), first.isEmpty() ? where : first);
            }
        }
    }
}

TEST(ShippedData, EveryNumbersLessonDrillsTheDigitsAndSymbols)
{
    // Castellano's comes last, so the lesson numbers its learners' statistics keep stay as they were.
    const std::pair<const char *, const char *> numbersLessons[] = {
        {"Castellano/20 Números y símbolos", "0123456789()\"'/%€@#"},
        {"Català/05 Números i signes", "0123456789()\"'/%@#$&=+*"},
        {"English/05 Numbers and symbols", "0123456789()\"'/%@#$&=+*"},
        {"Euskara/05 Zenbakiak eta ikurrak", "0123456789()\"/%@#$&=+*"},
        {"Galego/05 Números e signos", "0123456789()\"/%@#$&=+*ºª"},
    };
    for (const auto &[lessonPath, characters] : numbersLessons) {
        QString drilled;
        for (const QString &exercise : exercisePaths(QString::fromUtf8(lessonPath))) {
            drilled += decodedContents(exercise);
        }
        QString missing;
        for (const QChar character : QString::fromUtf8(characters)) {
            if (!drilled.contains(character)) {
                missing += character;
            }
        }
        EXPECT_TRUE(missing.isEmpty()) << lessonPath << " never drills " << qPrintable(missing);
    }
}

TEST(ShippedData, EveryLanguageHasFiveExamTextsReadyToType)
{
    // "N Title.txt", N from 1 to 5: the title is shown to the learner and named in the certificate.
    static const QRegularExpression examName(QStringLiteral("^([1-9]) [^/\\\\:*?\"<>|]+\\.txt$"));
    for (const QString &language : subfolders(exerciseRoot)) {
        const QDir examDir(DataDir + QStringLiteral("/Examenes/") + language);
        QStringList numbers;
        for (const QFileInfo &entry :
            examDir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString where = language + u'/' + entry.fileName();
            const auto name = examName.match(entry.fileName());
            EXPECT_TRUE(entry.isFile() && name.hasMatch()
                && Cp1252::decode(Cp1252::encode(entry.fileName())) == entry.fileName())
                << qPrintable(where) << " is no exam text";
            numbers << name.captured(1);
            // Long enough that a test of a minute or more does not run out of text.
            const QString text = decodedContents(entry.filePath());
            EXPECT_GE(text.size(), 1500) << qPrintable(where) << " is too short";
            const QStringList faults = textFaults(text, ParagraphRules, 4, 8);
            EXPECT_TRUE(faults.isEmpty()) << qPrintable(where) << ": " << qPrintable(faults.join(u"; "));
        }
        EXPECT_EQ(numbers.join(u' ').toStdString(), "1 2 3 4 5") << "exam texts of " << qPrintable(language);
    }
}

TEST(ShippedData, EveryLanguageHasItsHintsAndFlagAndTheGeneralFileEveryItem)
{
    for (const QString &language : subfolders(exerciseRoot)) {
        const QString hintsPath = DataDir + QStringLiteral("/idiomas/") + language + QStringLiteral(".txt");
        const QString hints = Cp1252::decode(contents(hintsPath));
        const QStringList lines = hints.split(QStringLiteral("\r\n"));
        EXPECT_TRUE(lines.size() >= 9 && !lines.first(9).contains(QString()))
            << qPrintable(hintsPath) << " is missing or lacks nine hint lines";
        const QStringList faults = broken(hints, EncodingRules);
        EXPECT_TRUE(faults.isEmpty()) << qPrintable(hintsPath) << ": " << qPrintable(faults.join(u"; "));

        const QString flagPath = DataDir + QStringLiteral("/banderas/") + language + QStringLiteral(".jpg");
        EXPECT_TRUE(contents(flagPath).startsWith("\xFF\xD8"))
            << qPrintable(flagPath) << " is missing or no JPEG picture";
    }

    const QStringList items = LanguageFiles::generalItems(DataDir, 0, GeneralItems::ItemCount);
    for (int item = 0; item < GeneralItems::ItemCount; ++item) {
        EXPECT_FALSE(items.at(item).isEmpty()) << "item " << item << " of idiomageneral.txt is empty or missing";
    }
    // The notices read whole, as the Spanish texts the program falls back to: a comma outside
    // quotes would cut one in two and move every later item.
    for (int notice = 0; notice < InterfaceTexts::NoticeCount; ++notice) {
        EXPECT_EQ(items.at(GeneralItems::ReportNotSaved + notice),
            InterfaceTexts().notice(static_cast<InterfaceTexts::Notice>(notice)));
    }
    // So do the statistics' texts: an item moved in the file without moving FirstItem would show.
    EXPECT_EQ(StatsTexts::load(DataDir), StatsTexts::builtIn());
    EXPECT_EQ(StatsTexts::load(QStringLiteral("/nonexistent")), StatsTexts::builtIn());
}
