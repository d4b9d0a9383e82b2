#include "TypingWindowFixture.h"

#include "CatalogueState.h"
#include "DrillSequencer.h"
#include "RichTextPane.h"
#include "Typing.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class Catalogue : public TypingWindowFixture
{
protected:
    Catalogue()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("uno"));
        folder.write(QStringLiteral("Ejercicios/Castellano/A/2.txt"), QStringLiteral("dos"));
        folder.write(QStringLiteral("Ejercicios/Castellano/B/1.txt"), QStringLiteral("be"));
        folder.write(QStringLiteral("Ejercicios/Castellano/B/2.TXT"), QStringLiteral("mayúsculas"));
        folder.write(QStringLiteral("Ejercicios/Català/Z/1.txt"), QStringLiteral("zeta"));
    }
};

TEST_F(Catalogue, ListsLoadsAndRemembersExercisesPerLesson)
{
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
    EXPECT_EQ(window->drillState().TargetText, QStringLiteral("dos"));

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

    // Another language: its lessons, and its own hints are missing, which the learner is told.
    c.languageList->setCurrentIndex(1);
    Q_EMIT c.languageList->activated(1);
    EXPECT_EQ(recording.dialogs.messages, QStringList {QStringLiteral("Falta idioma")});
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("zeta"));
}

TEST_F(Catalogue, RandomModeLastsUntilNextOrPrevious)
{
    open();
    const MainWindowControls &c = controls();
    recording.clock.script({0.7, 0.1});
    c.randomButton->click();
    EXPECT_EQ(c.numberField->text(), QStringLiteral("2"));
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("dos"));

    c.startButton->click();
    Typing::type(c.exercisePane, QStringLiteral("dos"));
    advance();
    EXPECT_EQ(recording.clock.draws, 2);
    EXPECT_EQ(c.exercisePane->text(), QStringLiteral("uno"));

    c.nextButton->click();
    EXPECT_FALSE(window->catalogueState().RandomMode);
}

TEST_F(Catalogue, AtTheEndOfALessonTheDrillRunsOnTheLastTextWithAnEmptyPane)
{
    open();
    const MainWindowControls &c = controls();
    c.numberField->setText(QStringLiteral("2"));
    c.startButton->click();
    Typing::type(c.exercisePane, QStringLiteral("dos"));
    advance();
    EXPECT_EQ(c.numberField->text(), QStringLiteral("3"));
    EXPECT_TRUE(c.exercisePane->text().isEmpty());
    EXPECT_EQ(c.nextCharLabel->text(), QStringLiteral("d"));
    Typing::type(c.exercisePane, QStringLiteral("dos"));
    EXPECT_TRUE(window->drillState().DrillDone);
}

TEST(CatalogueLimits, BadTreesGiveASoundWindow)
{
    AppFolder folder;
    RecordingPlatform recording(folder.path());
    {
        // No exercises at all: the exercise controls are off and nothing starts.
        MainWindow window(recording.platform, QString());
        window.Form_Load();
        const MainWindowControls &c = window.controls();
        EXPECT_FALSE(c.startButton->isEnabled());
        window.drillSequencer().StartDrill();
        EXPECT_TRUE(window.drillState().DrillDone);
        Typing::type(c.exercisePane, QStringLiteral("a"));
        EXPECT_EQ(c.wrongCount->text(), QStringLiteral("0"));
    }
    for (int i = 0; i < 25; ++i) {
        folder.makeFolder(QStringLiteral("Ejercicios/L%1").arg(i, 2, 10, QLatin1Char('0')));
    }
    for (int i = 0; i < 205; ++i) {
        folder.makeFolder(QStringLiteral("Ejercicios/L00/%1").arg(i, 3, 10, QLatin1Char('0')));
    }
    folder.writeBytes(QStringLiteral("Ejercicios/L00/000/1.txt"), QByteArray("a\tb\x01\x81\nc\rd", 9));
    folder.writeBytes(QStringLiteral("Ejercicios/L00/000/2.txt"), QByteArray(5 * 1024 * 1024, 'x'));
    MainWindow window(recording.platform, QString());
    window.Form_Load();
    const MainWindowControls &c = window.controls();
    EXPECT_EQ(c.languageList->count(), CatalogueState::MaxLanguages);
    EXPECT_EQ(c.lessonList->count(), CatalogueState::MaxLessons);
    // Every character of a drill can be typed: tabs become blanks, control bytes go, and lone
    // CR or LF become line breaks.
    EXPECT_EQ(window.drillState().TargetText, QStringLiteral("a b\r\nc\r\nd"));
    c.nextButton->click();
    EXPECT_TRUE(c.exercisePane->text().isEmpty());
    EXPECT_EQ(window.drillState().TargetText, QStringLiteral("a b\r\nc\r\nd"));
}
