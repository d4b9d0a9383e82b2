#include "TypingWindowFixture.h"

#include "KeyboardWidget.h"

#include "CatalogueState.h"
#include "ChildProcess.h"

#include <QComboBox>
#include <QFile>

#include <optional>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using Catalogue = TypingWindowFixture;

TEST_F(Catalogue, ListsLoadsRemembersAndDrawsExercisesPerLessonAndRunsOnTheLastTextPastItsEnd)
{
    folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("uno"));
    folder.write(QStringLiteral("Ejercicios/Castellano/A/2.txt"), QStringLiteral("dos"));
    folder.write(QStringLiteral("Ejercicios/Castellano/B/1.txt"), QStringLiteral("be"));
    folder.write(QStringLiteral("Ejercicios/Castellano/B/2.TXT"), QStringLiteral("mayúsculas"));
    folder.write(QStringLiteral("Ejercicios/Català/Z/1.txt"), QStringLiteral("zeta"));
    open();
    const MainWindowControls &c = controls();
    EXPECT_EQ(c.languageList->count(), 2);
    EXPECT_EQ(c.languageList->currentText(), QStringLiteral("Castellano"));
    EXPECT_EQ(c.lessonList->count(), 2);
    EXPECT_EQ(c.exerciseLabel->text(), QStringLiteral("Castellano\\A\\1"));
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("uno"));

    // Previous at 1 stays at 1; next past the last file empties the pane and keeps the label.
    c.previousButton->click();
    EXPECT_EQ(c.numberField->text(), QStringLiteral("1"));
    c.nextButton->click();
    c.nextButton->click();
    EXPECT_EQ(c.numberField->text(), QStringLiteral("3"));
    EXPECT_TRUE(c.exercisePane->text().isEmpty());
    EXPECT_EQ(c.exerciseLabel->text(), QStringLiteral("Castellano\\A\\2"));

    // Each lesson keeps its own number; 2.TXT is not 2.txt.
    c.lessonList->setCurrentRow(1);
    EXPECT_EQ(c.numberField->text(), QStringLiteral("1"));
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("be"));
    c.nextButton->click();
    EXPECT_TRUE(c.exercisePane->text().isEmpty());
    c.lessonList->setCurrentRow(0);
    EXPECT_EQ(c.numberField->text(), QStringLiteral("3"));

    // The number field takes digits only; "01" does not name 1.txt, and 0 loads nothing.
    c.numberField->clear();
    QTest::keyClicks(c.numberField, QStringLiteral("x01"));
    EXPECT_EQ(c.numberField->text(), QStringLiteral("01"));
    EXPECT_EQ(window->catalogueState().currentNumber(), 1);
    EXPECT_TRUE(c.exercisePane->text().isEmpty());
    c.numberField->setText(QStringLiteral("2"));
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("dos"));
    c.numberField->setText(QStringLiteral("999999999"));
    c.nextButton->click();
    EXPECT_EQ(c.numberField->text(), QStringLiteral("999999999"));

    // Drawn at random, an exercise of the lesson comes next until Next is pressed.
    c.numberField->setText(QStringLiteral("1"));
    recording.clock.script({0.7, 0.1});
    c.randomButton->click();
    Typing::deliverLaterCalls();
    EXPECT_TRUE(c.randomButton->isChecked());
    EXPECT_EQ(c.randomButton->accessibleDescription(), QStringLiteral("orden al azar activado"));
    EXPECT_EQ(c.numberField->text(), QStringLiteral("2"));
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("dos"));

    c.startButton->click();
    Typing::type(c.exercisePane, QStringLiteral("dos"));
    advance();
    EXPECT_EQ(recording.clock.draws, 2);
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("uno"));

    EXPECT_TRUE(c.randomButton->isChecked());

    c.nextButton->click();
    Typing::deliverLaterCalls();
    EXPECT_FALSE(c.randomButton->isChecked());
    EXPECT_EQ(c.randomButton->accessibleDescription(), QStringLiteral("orden al azar desactivado"));
    EXPECT_EQ(c.numberField->text(), QStringLiteral("2"));

    // Past a lesson's last exercise the next lesson begins, and past the last lesson the first.
    c.startButton->click();
    Typing::type(c.exercisePane, QStringLiteral("dos"));
    advance();
    EXPECT_EQ(c.lessonList->currentRow(), 1);
    EXPECT_EQ(c.numberField->text(), QStringLiteral("1"));
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("be"));
    // The lesson's notice and the drill's result both stay until the next key.
    EXPECT_TRUE(c.hintLine->text().startsWith(QStringLiteral("Lección terminada: pasamos a B. Resultado: ")));
    EXPECT_TRUE(window->drill().isRunning());
    Typing::type(c.exercisePane, QStringLiteral("be"));
    EXPECT_TRUE(c.hintLine->text().isEmpty());
    advance();
    EXPECT_EQ(c.lessonList->currentRow(), 0);
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("uno"));
    EXPECT_TRUE(c.hintLine->text().startsWith(QStringLiteral("Lección terminada: pasamos a A. ")));

    // Another language: its lessons, and its own hints are missing, which the learner is told.
    recording.dialogs.messages.clear();
    c.languageList->setCurrentIndex(1);
    Q_EMIT c.languageList->activated(1);
    EXPECT_EQ(recording.dialogs.messages, QStringList {QStringLiteral("Falta idioma")});
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("zeta"));
}

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
    // Nothing starts, and keys are not judged.
    window->drillSequencer().startDrill();
    EXPECT_FALSE(window->drill().isRunning());
    Typing::type(controls().exercisePane, QStringLiteral("a"));
    EXPECT_EQ(controls().wrongCount->text(), QStringLiteral("0"));
}

TEST_F(OddTrees, HugeTreesAndFilesListWhatFitsSilentlyAndOddBytesCanBeTyped)
{
    folder.writeBytes(QStringLiteral("Ejercicios/Castellano/00000/1.txt"), QByteArray("a\tb\x01\x81\nc\rd", 9));
    folder.writeBytes(QStringLiteral("Ejercicios/Castellano/00000/2.txt"), QByteArray(5 * 1024 * 1024, 'x'));
    for (int i = 0; i < 24; ++i) {
        folder.makeFolder(QStringLiteral("Ejercicios/L%1").arg(i, 2, 10, QLatin1Char('0')));
    }
    const QByteArray language = QFile::encodeName(exercisePath(QStringLiteral("Castellano/")));
    for (int lesson = 1; lesson < 10'000; ++lesson) {
        ::mkdir(QByteArray(language + QByteArray::number(lesson).rightJustified(5, '0')).constData(), 0755);
    }
    open();
    const MainWindowControls &c = controls();
    EXPECT_EQ(c.languageList->count(), CatalogueState::MaxLanguages);
    ASSERT_EQ(c.lessonList->count(), CatalogueState::MaxLessons);
    EXPECT_EQ(c.lessonList->item(200)->text(), QStringLiteral("00200"));
    // Every character of a drill can be typed: tabs become blanks, control bytes go, and lone
    // CR or LF become line breaks.
    EXPECT_EQ(window->drill().text(), QStringLiteral("a b\r\nc\r\nd"));
    // A file too large to be an exercise loads nothing.
    c.nextButton->click();
    EXPECT_TRUE(c.exercisePane->text().isEmpty());
    EXPECT_EQ(window->drill().text(), QStringLiteral("a b\r\nc\r\nd"));
    // The last lesson listed works like any other.
    c.lessonList->setCurrentRow(200);
    EXPECT_TRUE(c.exercisePane->text().isEmpty());
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

// The saved history keeps them as the RTF round trip keeps any character outside the code page.
TEST_F(OddTrees, NamesOutsideWindows1252AreShownAndGoIntoTheHistory)
{
    const QString language = QStringLiteral("\u65E5\u672C\u8A9E");
    const QString lesson = QStringLiteral("\u03A9 lecci\u00F3n \U0001F600");
    folder.writeLanguageFiles(language);
    folder.write(
        QStringLiteral("Ejercicios/") + language + u'/' + lesson + QStringLiteral("/1.txt"), QStringLiteral("s"));
    // A name that is no UTF-8 at all could not be opened by the name shown: it is left out.
    const QByteArray notUtf8 = QFile::encodeName(exercisePath(language)) + "/\xFF\xFE lecci\xF3n";
    ASSERT_EQ(::mkdir(notUtf8.constData(), 0755), 0);
    open();
    ::rmdir(notUtf8.constData());
    const MainWindowControls &c = controls();
    ASSERT_EQ(c.languageList->currentText(), language);
    ASSERT_EQ(c.lessonList->count(), 1);
    EXPECT_EQ(c.lessonList->item(0)->text(), lesson);
    EXPECT_EQ(c.exerciseLabel->text(), language + u'\\' + lesson + QStringLiteral("\\1"));
    c.startButton->click();
    Typing::type(c.exercisePane, QStringLiteral("s"));
    EXPECT_TRUE(c.echoPane->text().contains(lesson));
}

TEST_F(OddTrees, ALessonFolderThatCannotBeReadLeavesThePaneEmpty)
{
    folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("uno"));
    folder.write(QStringLiteral("Ejercicios/Castellano/B/1.txt"), QStringLiteral("be"));
    ASSERT_TRUE(QFile::setPermissions(
        folder.path(), QFile::permissions(folder.path()) | QFileDevice::ReadOther | QFileDevice::ExeOther));
    ASSERT_EQ(::chmod(QFile::encodeName(exercisePath(QStringLiteral("Castellano/A"))).constData(), 0), 0);
    const std::optional<std::string> outcome = ChildProcess::runAsLearner([this] {
        open();
        EXPECT_EQ(controls().lessonList->count(), 2);
        EXPECT_TRUE(controls().exercisePane->text().isEmpty());
        controls().lessonList->setCurrentRow(1);
        EXPECT_EQ(controls().exercisePane->text(), QStringLiteral("be"));
    });
    ::chmod(QFile::encodeName(exercisePath(QStringLiteral("Castellano/A"))).constData(), 0755);
    if (!outcome) {
        GTEST_SKIP() << "running as root, and the rights of \"nobody\" cannot be taken";
    }
    EXPECT_EQ(*outcome, "");
}

TEST_F(Catalogue, ALearnerComesBackWhereTheyLeftAndAnUnregisteredOneStartsAfresh)
{
    folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("uno"));
    folder.write(QStringLiteral("Ejercicios/Castellano/B/1.txt"), QStringLiteral("be"));
    folder.write(QStringLiteral("Ejercicios/Castellano/B/3.txt"), QStringLiteral("tres"));
    folder.write(QStringLiteral("Ejercicios/Català/Z/1.txt"), QStringLiteral("zeta"));
    folder.writeLanguageFiles(QStringLiteral("Català"));
    folder.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana"));
    const auto leaveFrom = [this](const QString &learner) {
        open(learner);
        const MainWindowControls &c = controls();
        c.languageList->setCurrentIndex(0);
        c.lessonList->setCurrentRow(1);
        c.numberField->setText(QStringLiteral("3"));
        c.textSizeButton->click();
        c.keyboardButton->click();
        window->close();
    };

    leaveFrom(QStringLiteral("Ana"));
    open(QStringLiteral("ana"));
    EXPECT_EQ(controls().lessonList->currentRow(), 1);
    EXPECT_EQ(controls().numberField->text(), QStringLiteral("3"));
    EXPECT_EQ(controls().exercisePane->text(), QStringLiteral("tres"));
    EXPECT_EQ(window->catalogueState().fontSize, 38);
    EXPECT_TRUE(window->keyboardWidget().isHidden());
    // Another lesson keeps its own place.
    controls().lessonList->setCurrentRow(0);
    EXPECT_EQ(controls().numberField->text(), QStringLiteral("1"));

    leaveFrom(QString());
    open(QString());
    EXPECT_EQ(controls().lessonList->currentRow(), 0);
    EXPECT_EQ(controls().numberField->text(), QStringLiteral("1"));
    EXPECT_FALSE(window->keyboardWidget().isHidden());
}
