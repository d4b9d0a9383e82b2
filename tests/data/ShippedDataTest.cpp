#include "Cp1252.h"
#include "GeneralItems.h"
#include "InterfaceTexts.h"
#include "LanguageFiles.h"
#include "StatsTexts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

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

constexpr Rule LineRules[] = {
    {"^$|^ | $", "blank, or a blank at an end"},
    {".{46}", "longer than the 45 characters that fit the exercise pane at 36 points"},
    // Besides ASCII letters and digits: what the Spanish (Spain) keyboard types directly or
    // through its dead keys ´ ` ¨, and what the drawn keyboard can frame.
    {"[^A-Za-z0-9 ñÑçÇáéíóúÁÉÍÓÚàèìòùÀÈÌÒÙäëïöüÄËÏÖÜ"
     ",.;:\\-_¿?¡!'\"()/&%$=+*·@#ºª<>]",
        "a character no key types:"},
};

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

// Every rule an exercise file breaks, in words; empty when the file can be drilled as it is.
QStringList exerciseFaults(const QByteArray &bytes)
{
    const QString text = Cp1252::decode(bytes);
    QStringList faults = broken(text, EncodingRules);
    if (text.endsWith(u'\n') || text.endsWith(u'\r')) {
        faults << QStringLiteral("a line break at the end, which the learner could never type");
    }
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.size() < 2 || lines.size() > 8) {
        faults << QStringLiteral("%1 lines instead of 2 to 8").arg(lines.size());
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        faults << broken(lines.at(i), LineRules, QStringLiteral("line %1: ").arg(i + 1));
    }
    return faults;
}

QStringList subfolders(const QDir &dir)
{
    return dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

const QDir exerciseRoot(DataDir + QStringLiteral("/Ejercicios"));

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
                const QStringList faults = exerciseFaults(contents(entry.filePath()));
                EXPECT_TRUE(faults.isEmpty()) << qPrintable(where) << ": " << qPrintable(faults.join(u"; "));
            }
        }
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
