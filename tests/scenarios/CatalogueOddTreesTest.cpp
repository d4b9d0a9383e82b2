#include "TypingWindowFixture.h"

#include "ChildProcess.h"
#include "RichTextPane.h"
#include "Typing.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// Exercise trees as people leave them: whatever stands in the tree, the window opens, lists what
// it can and never blocks on or opens anything but a regular exercise file.
class OddTrees : public TypingWindowFixture
{
protected:
    QString exercisePath(const QString &relative) const
    {
        return folder.path() + QStringLiteral("/Ejercicios/") + relative;
    }
};

TEST_F(OddTrees, AnExerciseRootThatIsAFileGivesAnEmptyCatalogue)
{
    folder.write(QStringLiteral("Ejercicios"), QStringLiteral("no folder"));
    open();
    EXPECT_EQ(controls().languageList->count(), 0);
    EXPECT_EQ(controls().lessonList->count(), 0);
    EXPECT_FALSE(controls().startButton->isEnabled());
    EXPECT_TRUE(controls().exercisePane->text().isEmpty());
}

TEST_F(OddTrees, TenThousandLessonsListTheFirst201Silently)
{
    folder.write(QStringLiteral("Ejercicios/Castellano/00000/1.txt"), QStringLiteral("uno"));
    const QByteArray language = QFile::encodeName(exercisePath(QStringLiteral("Castellano/")));
    for (int lesson = 1; lesson < 10'000; ++lesson) {
        ::mkdir(QByteArray(language + QByteArray::number(lesson).rightJustified(5, '0')).constData(), 0755);
    }
    open();
    ASSERT_EQ(controls().lessonList->count(), 201);
    EXPECT_EQ(controls().lessonList->item(200)->text(), QStringLiteral("00200"));
    EXPECT_EQ(controls().exercisePane->text(), QStringLiteral("uno"));
    // The last lesson listed works like any other.
    controls().lessonList->setCurrentRow(200);
    EXPECT_TRUE(controls().exercisePane->text().isEmpty());
    EXPECT_TRUE(recording.dialogs.messages.isEmpty());
}

TEST_F(OddTrees, FifosAndDevicesAreNeverOpened)
{
    folder.makeFolder(QStringLiteral("Ejercicios/Castellano/A"));
    folder.write(QStringLiteral("Ejercicios/Castellano/A/3.txt"), QStringLiteral("tres"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(exercisePath(QStringLiteral("Castellano/A/1.txt"))).constData(), 0644), 0);
    // The null device under another name, where we may make one, and a link to an endless one.
    const bool madeDevice = ::mknod(QFile::encodeName(exercisePath(QStringLiteral("Castellano/A/2.txt"))).constData(),
                                S_IFCHR | 0644, makedev(1, 3))
        == 0;
    QFile::link(QStringLiteral("/dev/zero"), exercisePath(QStringLiteral("Castellano/A/4.txt")));
    // Opening the FIFO for reading would wait for a writer that never comes.
    open();
    const MainWindowControls &c = controls();
    EXPECT_TRUE(c.exercisePane->text().isEmpty());
    c.nextButton->click();
    EXPECT_TRUE(c.exercisePane->text().isEmpty()) << "device made: " << madeDevice;
    c.nextButton->click();
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("tres"));
    c.nextButton->click();
    EXPECT_TRUE(c.exercisePane->text().isEmpty());
}

TEST_F(OddTrees, NamesOutsideWindows1252AreShownAndKeptInTheHistory)
{
    const QString language = QStringLiteral("\u65E5\u672C\u8A9E");
    const QString lesson = QStringLiteral("\u03A9 lecci\u00F3n \U0001F600");
    folder.writeLanguageFiles(language);
    folder.write(
        QStringLiteral("Ejercicios/") + language + u'/' + lesson + QStringLiteral("/1.txt"), QStringLiteral("s"));
    // A name that is no UTF-8 at all could not be opened by the name shown: it is left out.
    const QByteArray notUtf8 = QFile::encodeName(exercisePath(language)) + "/\xFF\xFE lecci\xF3n";
    ASSERT_EQ(::mkdir(notUtf8.constData(), 0755), 0);
    folder.makeFolder(QStringLiteral("Usuarios"));
    open(QStringLiteral("Ana"));
    ::rmdir(notUtf8.constData());
    const MainWindowControls &c = controls();
    ASSERT_EQ(c.languageList->currentText(), language);
    ASSERT_EQ(c.lessonList->count(), 1);
    EXPECT_EQ(c.lessonList->item(0)->text(), lesson);
    EXPECT_EQ(c.exerciseLabel->text(), language + u'\\' + lesson + QStringLiteral("\\1"));
    c.startButton->click();
    Typing::type(c.exercisePane, QStringLiteral("s"));
    advance();
    ASSERT_TRUE(c.echoPane->text().contains(lesson));
    const QString history = c.echoPane->text();
    c.exitButton->click();
    ASSERT_FALSE(recording.dialogs.messages.contains(QStringLiteral("No guardado")));
    open(QStringLiteral("Ana"));
    EXPECT_EQ(controls().echoPane->text().left(history.size()), history);
}

TEST_F(OddTrees, ALessonFolderThatCannotBeReadLeavesThePaneEmpty)
{
    folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("uno"));
    folder.write(QStringLiteral("Ejercicios/Castellano/B/1.txt"), QStringLiteral("be"));
    ASSERT_TRUE(QFile::setPermissions(
        folder.path(), QFile::permissions(folder.path()) | QFileDevice::ReadOther | QFileDevice::ExeOther));
    ASSERT_EQ(::chmod(QFile::encodeName(exercisePath(QStringLiteral("Castellano/A"))).constData(), 0), 0);
    const bool root = ::geteuid() == 0;
    const std::string outcome = ChildProcess::run([this, root] {
        // Root reads whatever it likes, so the learner is played by an ordinary user.
        if (root && !ChildProcess::becomeNobody()) {
            return std::string("skip");
        }
        open();
        std::string wrong;
        if (controls().lessonList->count() != 2 || !controls().exercisePane->text().isEmpty()) {
            wrong += "the unreadable lesson is not listed empty; ";
        }
        controls().lessonList->setCurrentRow(1);
        if (controls().exercisePane->text() != QStringLiteral("be")) {
            wrong += "the readable lesson does not load; ";
        }
        return wrong;
    });
    ::chmod(QFile::encodeName(exercisePath(QStringLiteral("Castellano/A"))).constData(), 0755);
    if (outcome == "skip") {
        GTEST_SKIP() << "running as root, and the rights of \"nobody\" cannot be taken";
    }
    EXPECT_EQ(outcome, "");
}
