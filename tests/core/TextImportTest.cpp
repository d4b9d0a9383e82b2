// A learner's own text: what they get from each kind of file or paste, and how it is cut.
#include "TextImport.h"
#include "ExerciseCutter.h"
#include "QtPrinters.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

QByteArray utf16(const QString &text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes.append(littleEndian ? low : high);
        bytes.append(littleEndian ? high : low);
    }
    return bytes;
}

struct FileCase {
    const char *name;
    QByteArray bytes;
    // The first exercise, or empty when the text is refused.
    QString exercise;
    // A part of the notice (empty: no notice at all) or of the refusal.
    QString message;
};

class TextImportTest : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QTemporaryDir dir;
};

TEST_F(TextImportTest, eachKindOfFileGivesTheLearnerTypableExercisesOrSaysWhyNot)
{
    const QString spanish = QStringLiteral("Año de cigüeñas: ¿Él vendrá?");
    const std::vector<FileCase> cases = {
        {"utf-8", spanish.toUtf8(), spanish, {}},
        {"utf-8 with BOM", "\xEF\xBB\xBF" + spanish.toUtf8(), spanish, {}},
        {"utf-16 LE", utf16(spanish, true), spanish, {}},
        {"utf-16 BE", utf16(spanish, false), spanish, {}},
        {"windows-1252", "A\xF1o de cig\xFC\x65\xF1\x61s: \xBF\xC9l vendr\xE1?", spanish, {}},
        {"CR LF, LF and CR", "uno\r\ndos\nTres\rcuatro", QStringLiteral("uno\r\ndos\r\nTres\r\ncuatro"), {}},
        {"curly quotes", QStringLiteral("“Sí” y ‘no’, «ya»").toUtf8(), QStringLiteral("\"Sí\" y 'no', \"ya\""),
            QStringLiteral("comillas")},
        {"curly quotes in windows-1252", "\x93S\xED\x94", QStringLiteral("\"Sí\""), QStringLiteral("comillas")},
        {"dashes", QStringLiteral("1–2 —dijo− ya").toUtf8(), QStringLiteral("1-2 -dijo- ya"), QStringLiteral("rayas")},
        {"ellipsis", QStringLiteral("Pues…").toUtf8(), QStringLiteral("Pues..."), QStringLiteral("suspensivos")},
        {"other spaces", QStringLiteral("10\u00A0km\u2009y\u202F5").toUtf8(), QStringLiteral("10 km y 5"),
            QStringLiteral("espacios especiales")},
        {"tabs", "a\tb", QStringLiteral("a b"), QStringLiteral("tabuladores")},
        {"emoji and another script left out", QStringLiteral("Hola 😀 mundo 中").toUtf8(), QStringLiteral("Hola mundo"),
            QStringLiteral("español: 😀 (U+1F600), 中 (U+4E2D)")},
        {"a combining accent is one letter", QStringLiteral("cafe\u0301").toUtf8(), QStringLiteral("café"), {}},
        {"all emoji", QStringLiteral("😀🎉 👍").toUtf8(), {}, QStringLiteral("nada que se pueda escribir")},
        {"empty", "", {}, QStringLiteral("vacío")},
        {"only blanks", " \r\n\t\r\n", {}, QStringLiteral("vacío")},
        {"binary",
            QByteArray("\x7F"
                       "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
                20)
                + QByteArray(400, '\0'),
            {}, QStringLiteral("no es un archivo de texto")},
        {"10 MB", QByteArray(10 * 1024 * 1024, 'a'), {}, QStringLiteral("demasiado grande")},
    };
    for (const FileCase &row : cases) {
        SCOPED_TRACE(row.name);
        const TextImport::Result result = TextImport::fromFile(write(QStringLiteral("texto.txt"), row.bytes));
        if (row.exercise.isEmpty()) {
            EXPECT_TRUE(result.exercises.isEmpty());
            EXPECT_TRUE(result.refusal.contains(row.message)) << result.refusal.toStdString();
            continue;
        }
        EXPECT_EQ(result.refusal, QString());
        EXPECT_EQ(result.exercises.value(0), row.exercise);
        EXPECT_EQ(result.title, QStringLiteral("texto"));
        if (row.message.isEmpty()) {
            EXPECT_EQ(result.notice, QString());
        } else {
            EXPECT_TRUE(result.notice.contains(row.message)) << result.notice.toStdString();
        }
    }
}

TEST_F(TextImportTest, whatIsNoRegularReadableFileIsRefusedWithoutBlocking)
{
    const QString fifo = dir.filePath(QStringLiteral("tubería"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString loop = dir.filePath(QStringLiteral("bucle.txt"));
    ASSERT_EQ(::symlink("bucle.txt", QFile::encodeName(loop).constData()), 0);
    const QString locked = write(QStringLiteral("cerrado.txt"), "secreto");
    ::chmod(QFile::encodeName(locked).constData(), 0);
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {fifo, QStringLiteral("«tubería» no es un archivo de texto corriente")},
        {dir.path(), QStringLiteral("no es un archivo de texto corriente")},
        {QStringLiteral("/dev/zero"), QStringLiteral("«zero» no es un archivo de texto corriente")},
        {dir.filePath(QStringLiteral("no-está.txt")), QStringLiteral("No se encuentra el archivo «no-está.txt»")},
        {loop, QStringLiteral("No se puede leer el archivo «bucle.txt»")},
    };
    QElapsedTimer timer;
    timer.start();
    for (const auto &row : cases) {
        const QString refusal = TextImport::fromFile(row.path).refusal;
        EXPECT_TRUE(refusal.contains(row.message)) << refusal.toStdString();
    }
    // Whoever may read any file (root) reads this one too.
    if (::geteuid() != 0) {
        EXPECT_EQ(TextImport::fromFile(locked).refusal, QStringLiteral("No se puede leer el archivo «cerrado.txt»."));
    }
    EXPECT_LT(timer.elapsed(), 1000);
}

TEST(TextImportCutTest, aLongTextIsCutAtSentenceEndsIntoCourseShapedExercises)
{
    QString text;
    for (int i = 1; i <= 40; ++i) {
        text += QStringLiteral("Esta es la frase número %1 del texto, que sigue un poco más. ").arg(i);
        if (i % 7 == 0) {
            text += QStringLiteral("\n");
        }
    }
    const TextImport::Result result = TextImport::fromPastedText(text);
    ASSERT_GT(result.exercises.size(), 3);
    QString rejoined;
    for (const QString &exercise : result.exercises) {
        EXPECT_LE(exercise.size(), ExerciseCutter::ExerciseLength + 60);
        EXPECT_TRUE(exercise.endsWith(QLatin1Char('.'))) << exercise.toStdString();
        for (const QString &line : exercise.split(QStringLiteral("\r\n"))) {
            EXPECT_LE(line.size(), ExerciseCutter::LineLength);
            EXPECT_FALSE(line.isEmpty());
        }
        rejoined += exercise + QLatin1Char(' ');
    }
    // Nothing is lost or repeated on the way.
    EXPECT_EQ(rejoined.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified(), text.simplified());
    EXPECT_EQ(result.title, QStringLiteral("Esta es la frase número"));
}

TEST(TextImportCutTest, paragraphsOfAWrappedBookBecomeLinesAndASentenceWithoutEndStillFits)
{
    const QStringList paragraphs = ExerciseCutter::paragraphs(
        QStringLiteral("En un lugar de la Mancha,\nde cuyo nombre no quiero\nacordarme.\n\n  Vivía   un hidalgo.\n"));
    EXPECT_EQ(paragraphs,
        QStringList({QStringLiteral("En un lugar de la Mancha, de cuyo nombre no quiero acordarme."),
            QStringLiteral("Vivía un hidalgo.")}));
    const QStringList endless = ExerciseCutter::cut(QString(2000, QLatin1Char('x')));
    ASSERT_EQ(endless.size(), 4);
    EXPECT_EQ(endless.first().size(), ExerciseCutter::ExerciseLength);
}

} // namespace
