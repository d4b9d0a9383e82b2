#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

// The files under data/ are what learners type, so every one of them is read here exactly as the
// program will read it: a file that breaks a rule shows up as a drill that cannot be finished or
// as a character no key of the Spanish keyboard produces.

namespace
{

const QString DataDir = QString::fromUtf8(TECLORA_DATA_DIR);

// Besides ASCII letters and digits: what the Spanish (Spain) keyboard types directly or through
// its dead keys ´ ` ¨, and what the drawn keyboard can frame.
const QString TypableMarks = QStringLiteral(u" ñÑçÇáéíóúÁÉÍÓÚàèìòùÀÈÌÒÙäëïöüÄËÏÖÜ,.;:-_¿?¡!'\"()/&%$=+*·@#ºª<>");

constexpr int MaxLineLength = 45; // what fits the exercise pane at 36 points

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bytes Windows-1252 leaves undefined, and line ends other than CR LF.
QStringList encodingFaults(const QByteArray &bytes)
{
    QStringList faults;
    for (const char undefined : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
        if (bytes.contains(undefined)) {
            faults << QStringLiteral("undefined byte 0x%1").arg(static_cast<unsigned char>(undefined), 0, 16);
        }
    }
    const qsizetype pairs = bytes.count("\r\n");
    if (bytes.count('\r') != pairs || bytes.count('\n') != pairs) {
        faults << QStringLiteral("a CR or LF outside a CR LF pair");
    }
    return faults;
}

bool isTypable(QChar character)
{
    const bool asciiLetterOrDigit = character.unicode() < 0x80 && character.isLetterOrNumber();
    return asciiLetterOrDigit || TypableMarks.contains(character);
}

// Every rule an exercise file breaks, in words; empty when the file can be drilled as it is.
QStringList exerciseFaults(const QByteArray &bytes)
{
    QStringList faults = encodingFaults(bytes);
    if (bytes.endsWith('\n') || bytes.endsWith('\r')) {
        faults << QStringLiteral("a line break at the end, which the learner could never type");
    }
    const QStringList lines = Cp1252::decode(bytes).split(QStringLiteral("\r\n"));
    if (lines.size() < 2 || lines.size() > 8) {
        faults << QStringLiteral("%1 lines instead of 2 to 8").arg(lines.size());
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QString where = QStringLiteral("line %1: ").arg(i + 1);
        if (line.isEmpty()) {
            faults << where + QStringLiteral("blank");
        } else if (line.front() == u' ' || line.back() == u' ') {
            faults << where + QStringLiteral("leading or trailing blank");
        }
        if (line.size() > MaxLineLength) {
            faults << where + QStringLiteral("%1 characters").arg(line.size());
        }
        for (const QChar character : line) {
            if (!isTypable(character)) {
                faults << where + QStringLiteral("character U+%1").arg(character.unicode(), 4, 16, QLatin1Char('0'));
            }
        }
    }
    return faults;
}

// A lesson folder holds 1.txt .. n.txt, as the exercise number field counts them, and nothing else.
QStringList lessonFaults(const QDir &lesson)
{
    static const QRegularExpression exerciseName(QStringLiteral("^[1-9][0-9]*\\.txt$"));
    const QFileInfoList entries
        = lesson.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QStringList faults;
    if (entries.isEmpty()) {
        faults << QStringLiteral("no exercises");
    }
    for (const QFileInfo &entry : entries) {
        const bool numbered = entry.isFile() && exerciseName.match(entry.fileName()).hasMatch();
        if (!numbered || entry.completeBaseName().toInt() > entries.size()) {
            faults << entry.fileName();
        }
    }
    return faults;
}

QStringList subfolders(const QDir &dir)
{
    return dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QDir exerciseRoot()
{
    return QDir(DataDir + QStringLiteral("/Ejercicios"));
}

} // namespace

TEST(ShippedData, EveryExerciseCanBeDrilled)
{
    const QStringList languages = subfolders(exerciseRoot());
    ASSERT_FALSE(languages.isEmpty()) << "no language folders in " << qPrintable(exerciseRoot().path());
    static const QRegularExpression lessonName(QStringLiteral("^\\d\\d( [\\p{L}\\d]+)+$"));
    for (const QString &language : languages) {
        const QDir languageDir(exerciseRoot().filePath(language));
        EXPECT_FALSE(subfolders(languageDir).isEmpty()) << qPrintable(language) << " has no lessons";
        for (const QString &lesson : subfolders(languageDir)) {
            const QString lessonPath = language + u'/' + lesson;
            const bool nameFits = lessonName.match(lesson).hasMatch() && lesson.size() <= 24
                && std::all_of(lesson.begin(), lesson.end(), [](QChar c) {
                       return Cp1252::codeOf(c) >= 0;
                   });
            EXPECT_TRUE(nameFits) << "lesson name " << qPrintable(lessonPath);
            const QDir lessonDir(languageDir.filePath(lesson));
            const QStringList misplaced = lessonFaults(lessonDir);
            EXPECT_TRUE(misplaced.isEmpty()) << qPrintable(lessonPath) << ": " << qPrintable(misplaced.join(u", "));
            for (const QString &exercise : lessonDir.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
                const QStringList faults = exerciseFaults(contents(lessonDir.filePath(exercise)));
                EXPECT_TRUE(faults.isEmpty())
                    << qPrintable(lessonPath + u'/' + exercise) << ": " << qPrintable(faults.join(u"; "));
            }
        }
    }
}

TEST(ShippedData, EveryLanguageHasItsHintsAndFlag)
{
    for (const QString &language : subfolders(exerciseRoot())) {
        const QString hintsPath = DataDir + QStringLiteral("/idiomas/") + language + QStringLiteral(".txt");
        const QByteArray hints = contents(hintsPath);
        const QStringList lines = Cp1252::decode(hints).split(QStringLiteral("\r\n"));
        const bool nineTexts
            = lines.size() >= 9 && std::none_of(lines.begin(), lines.begin() + 9, [](const QString &line) {
                  return line.isEmpty();
              });
        EXPECT_TRUE(nineTexts) << qPrintable(hintsPath) << " is missing or lacks nine hint lines";
        const QStringList faults = encodingFaults(hints);
        EXPECT_TRUE(faults.isEmpty()) << qPrintable(hintsPath) << ": " << qPrintable(faults.join(u"; "));

        const QString flagPath = DataDir + QStringLiteral("/banderas/") + language + QStringLiteral(".jpg");
        EXPECT_TRUE(contents(flagPath).startsWith("\xFF\xD8"))
            << qPrintable(flagPath) << " is missing or no JPEG picture";
    }
}

// The checks above pass silently on good data; each row here proves one of them would speak up.
TEST(ShippedData, TheExerciseCheckRejectsEachBrokenRule)
{
    EXPECT_TRUE(exerciseFaults("asdf jkl\r\nfdsa lkj").isEmpty());
    const struct {
        const char *rule;
        QByteArray bytes;
    } broken[] = {
        {"one line", "asdf jkl"},
        {"nine lines", "a\r\na\r\na\r\na\r\na\r\na\r\na\r\na\r\na"},
        {"final line break", "asdf\r\njkl\r\n"},
        {"LF alone", "asdf\njkl"},
        {"CR alone", "asdf\rjkl"},
        {"blank line", "asdf\r\n\r\njkl"},
        {"trailing blank", "asdf \r\njkl"},
        {"tab", "asdf\tjkl\r\nx"},
        {"undefined byte", "asd\x81\r\njkl"},
        {"typographic quote", "asd\x93x\x94\r\njkl"},
        {"ellipsis", "asdf\x85\r\njkl"},
        {"46 characters", QByteArray(46, 'a') + "\r\njkl"},
    };
    for (const auto &row : broken) {
        EXPECT_FALSE(exerciseFaults(row.bytes).isEmpty()) << row.rule;
    }
}
