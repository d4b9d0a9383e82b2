#include "LearnerSettings.h"
#include "UserFiles.h"
#include "UserRegistry.h"

#include "AppFolder.h"
#include "ChildProcess.h"

#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

using Layout = LearnerSettings::KeyboardLayout;

namespace
{

// Everything a learner can choose, to write and read back at once.
struct Choices {
    QString language, lesson;
    int exercise, textSize;
    bool random, keyboard, sound;
    Layout layout;
    bool contrast, dyslexia, still;
    bool operator==(const Choices &) const = default;
};

void PrintTo(const Choices &c, std::ostream *out)
{
    *out << c.language.toStdString() << '/' << c.lesson.toStdString() << ' ' << c.exercise << ' ' << c.textSize << "pt "
         << c.random << c.keyboard << c.sound << int(c.layout) << c.contrast << c.dyslexia << c.still;
}

const Choices Defaults {{}, {}, 1, 36, false, true, true, Layout::Espana, false, false, false};

void choose(LearnerSettings &s, const Choices &c)
{
    s.setLanguage(c.language);
    s.setLesson(c.lesson);
    s.setExercise(c.exercise);
    s.setTextSize(c.textSize);
    s.setRandomOrder(c.random);
    s.setKeyboardShown(c.keyboard);
    s.setSoundOn(c.sound);
    s.setKeyboardLayout(c.layout);
    s.setHighContrast(c.contrast);
    s.setDyslexiaFont(c.dyslexia);
    s.setAnimationsOff(c.still);
}

Choices chosen(const LearnerSettings &s)
{
    return {s.language(), s.lesson(), s.exercise(), s.textSize(), s.randomOrder(), s.keyboardShown(), s.soundOn(),
        s.keyboardLayout(), s.highContrast(), s.dyslexiaFont(), s.animationsOff()};
}

LearnerSettings open(const AppFolder &home, const QString &name)
{
    return LearnerSettings::forLearner(UserFiles::historyFile(home.path(), name));
}

// QSettings shares what it read of a file within a process; a copy under another name is read from
// the disk, as the next session reads the file.
LearnerSettings nextSession(const AppFolder &home, const QString &name)
{
    static int sessions = 0;
    const QString copy = name + QString::number(++sessions);
    QFile::copy(home.path() + QStringLiteral("/Ajustes/") + name + QStringLiteral(".ini"),
        home.path() + QStringLiteral("/Ajustes/") + copy + QStringLiteral(".ini"));
    return open(home, copy);
}

} // namespace

TEST(LearnerSettings, EveryChoiceComesBackInTheNextSessionAndTheLayoutIsStoredByName)
{
    const Choices rows[] = {
        {QStringLiteral("Català"), QStringLiteral("Lecció 3"), 12, 20, true, false, false, Layout::Latinoamerica, true,
            true, true},
        {QStringLiteral("Castellano"), QStringLiteral("a\\b c=d;#[x] \"ñ\""), LearnerSettings::LargestExercise, 40,
            false, true, true, Layout::Espana, false, false, false},
    };
    for (const Choices &row : rows) {
        AppFolder home;
        EXPECT_EQ(chosen(open(home, QStringLiteral("Ana"))), Defaults);
        EXPECT_FALSE(QFile::exists(home.path() + QStringLiteral("/Ajustes"))) << "reading wrote a file";
        LearnerSettings ana = open(home, QStringLiteral("Ana"));
        choose(ana, row);
        EXPECT_TRUE(ana.sync());
        EXPECT_EQ(chosen(nextSession(home, QStringLiteral("Ana"))), row);
        EXPECT_EQ(home.read(QStringLiteral("Ajustes/Ana.ini")).contains("distribucion=Latinoamerica"),
            row.layout == Layout::Latinoamerica);
    }
}

TEST(LearnerSettings, ValuesOutOfRangeOrOfAnotherTypeReadAsDefaultsOrClamped)
{
    using Getter = int (*)(const LearnerSettings &);
    const Getter size = [](const LearnerSettings &s) {
        return s.textSize();
    };
    const Getter reached = [](const LearnerSettings &s) {
        return s.exerciseReached(QStringLiteral("Es"), QStringLiteral("A"));
    };
    const Getter keyboard = [](const LearnerSettings &s) {
        return int(s.keyboardShown());
    };
    const Getter layout = [](const LearnerSettings &s) {
        return int(s.keyboardLayout());
    };
    const Getter penalty = [](const LearnerSettings &s) {
        return s.examPenalty();
    };
    const struct {
        const char *file;
        Getter getter;
        int expected;
    } rows[] = {
        {"[vista]\ntamanoTexto=-5", size, 10},
        {"[vista]\ntamanoTexto=10000", size, 40},
        {"[vista]\ntamanoTexto=37", size, 36},
        {"[vista]\ntamanoTexto=56", size, 56},
        {"[vista]\ntamanoTexto=72", size, 72},
        {"[vista]\ntamanoTexto=50", size, 40},
        {"[vista]\ntamanoTexto=grande", size, 36},
        {"[vista]\ntamanoTexto=20, 30", size, 36},
        {"[vista]\ntamanoTexto=@ByteArray(20)", size, 36},
        {"[alcanzado]\nEs\\A=0", reached, 1},
        {"[alcanzado]\nEs\\A=-4", reached, 1},
        {"[alcanzado]\nEs\\A=99999999999", reached, 1},
        {"[alcanzado]\nEs\\A=7", reached, 7},
        {"[vista]\nteclado=false", keyboard, 0},
        {"[vista]\nteclado=quizás", keyboard, 1},
        {"[vista]\nteclado=0", keyboard, 1},
        {"[vista]\ndistribucion=Latinoamerica", layout, 1},
        {"[vista]\ndistribucion=Latinoamérica", layout, 0},
        {"[vista]\ndistribucion=1", layout, 0},
        {"[vista]\ndistribucion=", layout, 0},
        {"[examen]\npenalizacion=5", penalty, 5},
        {"[examen]\npenalizacion=0", penalty, 0},
        {"[examen]\npenalizacion=-3", penalty, 0},
        {"[examen]\npenalizacion=500", penalty, 50},
        {"[examen]\npenalizacion=diez", penalty, 10},
        {"", penalty, 10},
    };
    for (const auto &row : rows) {
        AppFolder home;
        home.writeBytes(QStringLiteral("Ajustes/Ana.ini"), row.file);
        EXPECT_EQ(row.getter(open(home, QStringLiteral("Ana"))), row.expected) << row.file;
    }
}

TEST(LearnerSettings, WhatIsNoSettingsFileGivesTheDefaultsAndAFailedWriteIsSaid)
{
    const struct {
        const char *name;
        void (*make)(const AppFolder &);
        bool writable;
    } rows[] = {
        {"empty",
            [](const AppFolder &home) {
                home.writeBytes(QStringLiteral("Ajustes/Ana.ini"), QByteArray());
            },
            true},
        {"garbage",
            [](const AppFolder &home) {
                home.writeBytes(
                    QStringLiteral("Ajustes/Ana.ini"), QByteArray("\0\xff[[vista\n=\n;x\nk=@Variant(\x01)", 28));
            },
            true},
        {"a folder",
            [](const AppFolder &home) {
                home.makeFolder(QStringLiteral("Ajustes/Ana.ini"));
            },
            false},
        {"Ajustes a file",
            [](const AppFolder &home) {
                home.writeBytes(QStringLiteral("Ajustes"), "x");
            },
            false},
    };
    for (const auto &row : rows) {
        AppFolder home;
        row.make(home);
        LearnerSettings ana = open(home, QStringLiteral("Ana"));
        EXPECT_EQ(chosen(ana), Defaults) << row.name;
        ana.setTextSize(20);
        EXPECT_EQ(ana.sync(), row.writable) << row.name;
        if (row.writable) {
            EXPECT_EQ(nextSession(home, QStringLiteral("Ana")).textSize(), 20) << row.name;
        }
    }
}

TEST(LearnerSettings, TheExerciseReachedIsKeptApartPerLanguageAndLesson)
{
    AppFolder home;
    LearnerSettings ana = open(home, QStringLiteral("Ana"));
    ana.setExerciseReached(QStringLiteral("Castellano"), QStringLiteral("Lección 1"), 5);
    ana.setExerciseReached(QStringLiteral("Castellano"), QStringLiteral("Lección 2"), 7);
    ana.setExerciseReached(QStringLiteral("Euskera"), QStringLiteral("Lección 1"), 9);
    ana.setLanguage(QStringLiteral("Castellano"));
    ana.setLesson(QStringLiteral("Lección 2"));
    ASSERT_TRUE(ana.sync());
    const LearnerSettings next = nextSession(home, QStringLiteral("Ana"));
    EXPECT_EQ(next.exerciseReached(QStringLiteral("Castellano"), QStringLiteral("Lección 1")), 5);
    EXPECT_EQ(next.exerciseReached(QStringLiteral("Euskera"), QStringLiteral("Lección 1")), 9);
    EXPECT_EQ(next.exerciseReached(QStringLiteral("Euskera"), QStringLiteral("Lección 2")), 1);
    EXPECT_EQ(next.exerciseReached(QStringLiteral("Castellano"), QStringLiteral("lección 1")), 1);
    EXPECT_EQ(next.exercise(), 7);
}

TEST(LearnerSettings, EachLearnerHasAFileUnderTheNameTheRegistryStores)
{
    AppFolder home;
    home.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana - historial\n"));
    home.write(QStringLiteral("Usuarios/Luis"), QStringLiteral("Luis - historial\n"));
    LearnerSettings ana = open(home, QStringLiteral("ana"));
    LearnerSettings luis = open(home, QStringLiteral("Luis"));
    ana.setTextSize(20);
    luis.setTextSize(30);
    ana.setSoundOn(false);
    EXPECT_EQ(ana.textSize(), 20);
    EXPECT_EQ(luis.textSize(), 30);
    EXPECT_TRUE(luis.soundOn());
    ASSERT_TRUE(ana.sync() && luis.sync());
    EXPECT_EQ(QDir(home.path() + QStringLiteral("/Ajustes")).entryList(QDir::Files),
        QStringList({QStringLiteral("Ana.ini"), QStringLiteral("Luis.ini")}));
    EXPECT_EQ(open(home, QStringLiteral("ANA")).textSize(), 20);
    // The settings' folder is no learner.
    EXPECT_EQ(UserRegistry(home.path()).users(), QStringList({QStringLiteral("Ana"), QStringLiteral("Luis")}));
}

TEST(LearnerSettings, AnUnregisteredLearnersSettingsLastTheSessionAndAreWrittenNowhere)
{
    AppFolder anywhere;
    for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
        QSettings::setPath(QSettings::NativeFormat, scope, anywhere.path());
        QSettings::setPath(QSettings::IniFormat, scope, anywhere.path());
    }
    // A file named after nobody would land beside the working folder.
    const QString workingFolder = QDir::currentPath();
    anywhere.makeFolder(QStringLiteral("work"));
    QDir::setCurrent(anywhere.path() + QStringLiteral("/work"));
    const Choices choices {QStringLiteral("Castellano"), QStringLiteral("A"), 4, 20, true, false, false,
        Layout::Latinoamerica, true, true, true};
    // A name that is no file name has no history file, and no settings file either.
    LearnerSettings learners[] = {LearnerSettings::forSession(), LearnerSettings::forLearner(QString())};
    for (LearnerSettings &learner : learners) {
        choose(learner, choices);
        EXPECT_TRUE(learner.sync());
        EXPECT_EQ(chosen(learner), choices);
    }
    EXPECT_EQ(LearnerSettings::forSession().textSize(), LearnerSettings::DefaultTextSize);
    QDir::setCurrent(workingFolder);
    QDirIterator written(
        anywhere.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    EXPECT_EQ(written.next(), anywhere.path() + QStringLiteral("/work"));
    EXPECT_FALSE(written.hasNext());
}

// Writes go to a new file renamed over the old one, so a folder that takes no new file keeps the
// previous settings whole, read back or damaged.
TEST(LearnerSettings, AWriteToAReadOnlyFolderIsRefusedAndLeavesThePreviousFile)
{
    for (const QByteArray &previous : {QByteArray("[vista]\ntamanoTexto=30\n"), QByteArray("[vista\ndamaged\n")}) {
        AppFolder home;
        home.writeBytes(QStringLiteral("Ajustes/Ana.ini"), previous);
        const QString settings = home.path() + QStringLiteral("/Ajustes");
        ASSERT_TRUE(QFile::setPermissions(home.path(), QFile::permissions(home.path()) | QFileDevice::ExeOther));
        ASSERT_TRUE(QFile::setPermissions(
            settings, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther));
        const std::optional<std::string> outcome = ChildProcess::runAsLearner([&] {
            LearnerSettings ana = open(home, QStringLiteral("Ana"));
            ana.setTextSize(20);
            EXPECT_FALSE(ana.sync());
            EXPECT_EQ(home.read(QStringLiteral("Ajustes/Ana.ini")), previous);
            EXPECT_EQ(QDir(settings).entryList(QDir::Files | QDir::Hidden), QStringList(QStringLiteral("Ana.ini")));
        });
        QFile::setPermissions(settings, QFile::permissions(settings) | QFileDevice::WriteOwner);
        if (!outcome) {
            GTEST_SKIP() << "running as root, and the rights of \"nobody\" cannot be taken";
        }
        EXPECT_EQ(*outcome, "") << previous.constData();
    }
}
