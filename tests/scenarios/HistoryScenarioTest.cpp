#include "TypingWindowFixture.h"

#include "Cp1252.h"
#include "DrillHistory.h"
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
    EXPECT_EQ(recording.dialogs.messages, QStringList {QStringLiteral("No guardado")});
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
