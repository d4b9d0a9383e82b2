#include "AppFolder.h"
#include "MainWindow.h"
#include "RecordingPlatform.h"
#include "RichTextPane.h"
#include "Typing.h"

#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

// An installed program: the shipped data in one folder, the learners' files in another.
class Homes : public ::testing::Test
{
protected:
    Homes()
    {
        shipped.writeLanguageFiles(QStringLiteral("Castellano"));
        shipped.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("sí"));
        learners.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana - historial\n"));
    }

    MainWindow &open(const QString &user)
    {
        window = std::make_unique<MainWindow>(recording.platform, user);
        window->Form_Load();
        return *window;
    }

    AppFolder shipped;
    AppFolder learners;
    RecordingPlatform recording {shipped.path(), learners.path()};
    std::unique_ptr<MainWindow> window;
};

TEST_F(Homes, TheHistoryAndTheReportGoToTheLearnersFolderAndTheDataIsOnlyRead)
{
    open(QStringLiteral("ana"));
    const MainWindowControls &c = window->controls();
    EXPECT_TRUE(c.echoPane->text().startsWith(QStringLiteral("Ana - historial")));
    c.startButton->click();
    Typing::type(c.exercisePane, QStringLiteral("sí"));

    c.reportButton->click();
    const QString report = learners.path() + QStringLiteral("/actual.rtf");
    EXPECT_EQ(recording.launcher.opened, QStringList {report});
    EXPECT_TRUE(learners.read(QStringLiteral("actual.rtf")).startsWith("{\\rtf1"));

    c.exitButton->click();
    EXPECT_TRUE(learners.read(QStringLiteral("Usuarios/Ana")).startsWith("{\\rtf1"));
    // The end of the drill is the only message: no save failed.
    EXPECT_EQ(recording.dialogs.messages, QStringList {QStringLiteral("fin")});
    EXPECT_FALSE(QFile::exists(shipped.path() + QStringLiteral("/actual.rtf")));
    EXPECT_FALSE(QFile::exists(shipped.path() + QStringLiteral("/Usuarios")));
}
