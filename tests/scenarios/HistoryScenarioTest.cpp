#include "TypingWindowFixture.h"

#include "Cp1252.h"
#include "DrillHistory.h"
#include "InterfaceTexts.h"
#include "RichTextPane.h"
#include "Typing.h"

#include <QPushButton>
#include <QSignalSpy>

class History : public TypingWindowFixture
{
protected:
    History()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("sí"));
        folder.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana - historial\n"));
    }
};

TEST_F(History, ASignedInLearnerKeepsHerHistoryAcrossRuns)
{
    recording.clock.date = QStringLiteral("06/12/2026");
    // Signed in as "ana", she reads and writes the files of "Ana".
    MainWindow &first = open(QStringLiteral("ana"));
    EXPECT_TRUE(first.windowTitle().endsWith(QStringLiteral("    *** ana ***")));
    const MainWindowControls &c = controls();
    EXPECT_EQ(c.echoPane->text(), QStringLiteral("Ana - historial\r\n\r\n06/12/2026\r\n"));
    c.startButton->click();
    Typing::type(c.exercisePane, QStringLiteral("sí"));
    // A drill left running at the exit is saved with the rest.
    advance();
    Typing::type(c.exercisePane, QStringLiteral("s"));
    const QString saved = c.echoPane->text();

    QSignalSpy exits(&first, &MainWindow::exitRequested);
    recording.dialogs.answer = false;
    c.exitButton->click();
    EXPECT_EQ(recording.dialogs.questions, QStringList {QStringLiteral("Salir?")});
    EXPECT_EQ(exits.count(), 0);
    recording.dialogs.answer = true;
    c.exitButton->click();
    EXPECT_EQ(exits.count(), 1);
    EXPECT_TRUE(folder.read(QStringLiteral("Usuarios/Ana")).startsWith("{\\rtf1"));

    open(QStringLiteral("Ana"));
    EXPECT_EQ(controls().echoPane->text(), saved + QStringLiteral("\r\n06/12/2026\r\n"));
}

TEST_F(History, AHistoryThatCannotBeSavedIsReportedAndTheProgramStays)
{
    folder.makeFolder(QStringLiteral("Usuarios/Eva"));
    open(QStringLiteral("Eva"));
    QSignalSpy exits(window.get(), &MainWindow::exitRequested);
    controls().exitButton->click();
    EXPECT_EQ(recording.dialogs.messages,
        (QStringList {InterfaceTexts().notice(InterfaceTexts::HistoryNotLoaded), QStringLiteral("No guardado")}));
    EXPECT_TRUE(recording.dialogs.questions.isEmpty());
    EXPECT_EQ(exits.count(), 0);
    // Closing the window asks before the unsaved run is given up.
    recording.dialogs.answer = false;
    EXPECT_FALSE(window->close());
}

TEST_F(History, AnUnregisteredLearnerHasNoDateLineAndNothingIsSaved)
{
    open();
    EXPECT_TRUE(controls().echoPane->text().isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Teclora"));
    controls().exitButton->click();
    EXPECT_EQ(recording.dialogs.questions.size(), 1);
    EXPECT_EQ(folder.read(QStringLiteral("Usuarios/Ana")), Cp1252::encode(QStringLiteral("Ana - historial\r\n")));
}

TEST_F(History, TheReportSaysWhyItCouldNotBeSavedOrOpened)
{
    open();
    const QString report = folder.path() + QStringLiteral("/actual.rtf");
    controls().reportButton->click();
    EXPECT_TRUE(recording.dialogs.messages.isEmpty());
    EXPECT_EQ(recording.launcher.opened, QStringList {report});

    // No program for RTF files: one message, in Spanish while the general file lacks the text.
    recording.launcher.starts = false;
    controls().reportButton->click();
    ASSERT_EQ(recording.dialogs.messages.size(), 1);
    EXPECT_TRUE(recording.dialogs.messages.first().contains(QStringLiteral("RTF")));

    // A report that cannot be written is not opened: the editor would show an old one.
    QFile::remove(report);
    folder.makeFolder(QStringLiteral("actual.rtf"));
    recording.launcher.opened.clear();
    controls().reportButton->click();
    ASSERT_EQ(recording.dialogs.messages.size(), 2);
    EXPECT_TRUE(recording.dialogs.messages.last().contains(QStringLiteral("guardar el informe")));
    EXPECT_TRUE(recording.launcher.opened.isEmpty());
}

TEST_F(History, TheReportMessagesComeFromTheGeneralLanguageFile)
{
    // Item 19 belongs to another text; the report's two follow it.
    folder.write(QStringLiteral("idiomas/idiomageneral.txt"),
        QStringLiteral("a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\nSalir?\nNo guardado\nFalta idioma\nEspacio\nIntro\n"
                       "Precision\notro\nInforme no guardado\nSin editor\n"));
    open();
    recording.launcher.starts = false;
    controls().reportButton->click();
    EXPECT_EQ(recording.dialogs.messages, QStringList {QStringLiteral("Sin editor")});
}
