#include "TypingWindowFixture.h"

#include "ChildProcess.h"
#include "InterfaceTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// Whatever stands where Ana's history should be, the program neither blocks nor loses it: the
// learner is told her history was not saved and goes on typing.
class HistoryFaults : public TypingWindowFixture
{
protected:
    HistoryFaults()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("sol"));
        folder.writeBytes(QStringLiteral("Usuarios/Ana"), previous);
    }

    QString usersFolder() const
    {
        return folder.path() + QStringLiteral("/Usuarios");
    }

    // Leaves through the exit button: the learner is told, stays, and can type on.
    void exitIsRefusedAndTheLearnerGoesOn()
    {
        QSignalSpy exits(window.get(), &MainWindow::exitRequested);
        controls().exitButton->click();
        EXPECT_EQ(recording.dialogs.messages, QStringList {QStringLiteral("No guardado")});
        EXPECT_TRUE(recording.dialogs.questions.isEmpty());
        EXPECT_EQ(exits.count(), 0);
        controls().startButton->click();
        Typing::type(controls().exercisePane, QStringLiteral("so"));
        EXPECT_TRUE(controls().echoPane->text().endsWith(QStringLiteral("so")));
    }

    const QByteArray previous = "{\\rtf1 Ana - historial\\par " + QByteArray(20 * 1024, 'x') + "\\par 120 p/m}";
};

TEST_F(HistoryFaults, AFullDiskLeavesThePreviousHistoryWhole)
{
    open(QStringLiteral("Ana"));
    const std::string outcome = ChildProcess::run([this] {
        // Writing past the limit fails with EFBIG instead of killing the process.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlim_t unlimited = limit.rlim_cur;
        // Room for a few kilobytes, where the history takes twenty.
        limit.rlim_cur = 4 * 1024;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        exitIsRefusedAndTheLearnerGoesOn();
        EXPECT_EQ(folder.read(QStringLiteral("Usuarios/Ana")), previous);
        // No partial file is left behind.
        EXPECT_EQ(QDir(usersFolder()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        // Once there is room again, the same exit saves.
        limit.rlim_cur = unlimited;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        controls().exitButton->click();
        EXPECT_EQ(recording.dialogs.questions.size(), 1);
        EXPECT_TRUE(folder.read(QStringLiteral("Usuarios/Ana")).endsWith("so}"));
    });
    EXPECT_EQ(outcome, "");
}

TEST_F(HistoryFaults, AReadOnlyUsersFolderIsReported)
{
    open(QStringLiteral("Ana"));
    ASSERT_TRUE(QFile::setPermissions(folder.path(),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
            | QFileDevice::ExeOther));
    ASSERT_EQ(::chmod(QFile::encodeName(usersFolder()).constData(), 0555), 0);
    const std::optional<std::string> outcome = ChildProcess::runAsLearner([this] {
        exitIsRefusedAndTheLearnerGoesOn();
        EXPECT_EQ(folder.read(QStringLiteral("Usuarios/Ana")), previous);
    });
    ::chmod(QFile::encodeName(usersFolder()).constData(), 0755);
    if (!outcome) {
        GTEST_SKIP() << "running as root, and the rights of \"nobody\" cannot be taken";
    }
    EXPECT_EQ(*outcome, "");
}

TEST_F(HistoryFaults, WhatIsNoRegularFileOrTooLargeIsNeitherLoadedNorReplaced)
{
    const QString ana = usersFolder() + QStringLiteral("/Ana");
    // Links out of the folder or to nowhere, and folders, are refused as a FIFO is, by the safe
    // file, whose own test reads and writes them.
    const std::vector<std::pair<const char *, std::function<void()>>> faults = {
        {"a FIFO",
            [&] {
                ::mkfifo(QFile::encodeName(ana).constData(), 0644);
            }},
        {"a history too large to load",
            [&] {
                // 200 MB, sparse: the program must refuse it before reading a byte.
                QFile huge(ana);
                EXPECT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(200LL * 1024 * 1024));
            }},
    };
    for (const auto &[name, makeFault] : faults) {
        SCOPED_TRACE(name);
        QFile::remove(ana);
        makeFault();
        const QFileInfo before(ana);
        recording.dialogs.messages.clear();
        recording.dialogs.questions.clear();
        // A FIFO opened for reading would wait here for a writer.
        open(QStringLiteral("Ana"));
        EXPECT_EQ(controls().echoPane->text(), QStringLiteral("\r\n06/12/2025\r\n"));
        // A history that is there but cannot be read is named as soon as the window opens.
        EXPECT_EQ(recording.dialogs.messages, QStringList {InterfaceTexts().notice(InterfaceTexts::HistoryNotLoaded)});
        recording.dialogs.messages.clear();
        exitIsRefusedAndTheLearnerGoesOn();
        // Closing the window asks before the unsaved run is given up.
        recording.dialogs.answer = false;
        EXPECT_FALSE(window->close());
        recording.dialogs.answer = true;
        const QFileInfo after(ana);
        EXPECT_EQ(std::tuple(after.isDir(), after.isFile(), after.size()),
            std::tuple(before.isDir(), before.isFile(), before.size()));
        window.reset();
        QDir(ana).removeRecursively();
    }
}

// An installed program: the shipped data in one folder, the learners' files in another.
TEST(Homes, TheHistoryAndTheReportGoToTheLearnersFolderAndTheReportSaysWhyItCouldNotBeSavedOrOpened)
{
    AppFolder shipped;
    AppFolder learners;
    shipped.writeLanguageFiles(QStringLiteral("Castellano"));
    shipped.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("sí"));
    learners.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana - historial\n"));
    RecordingPlatform recording(shipped.path(), learners.path());
    auto window = std::make_unique<MainWindow>(recording.platform, QStringLiteral("ana"));
    EXPECT_TRUE(window->controls().echoPane->text().startsWith(QStringLiteral("Ana - historial")));
    window->controls().startButton->click();
    Typing::type(window->controls().exercisePane, QStringLiteral("sí"));
    const QString report = learners.path() + QStringLiteral("/actual.rtf");
    window->controls().reportButton->click();
    EXPECT_EQ(recording.launcher.opened, QStringList {report});
    EXPECT_TRUE(learners.read(QStringLiteral("actual.rtf")).startsWith("{\\rtf1"));
    window->controls().exitButton->click();
    EXPECT_TRUE(learners.read(QStringLiteral("Usuarios/Ana")).startsWith("{\\rtf1"));
    // The end of the drill is the only message: no save failed.
    EXPECT_EQ(recording.dialogs.messages, QStringList {QStringLiteral("fin")});
    EXPECT_FALSE(QFile::exists(shipped.path() + QStringLiteral("/actual.rtf")));
    EXPECT_FALSE(QFile::exists(shipped.path() + QStringLiteral("/Usuarios")));

    // No program for RTF files: one message, in Spanish while the general file lacks the text,
    // that says where the report is.
    recording.launcher.starts = false;
    window->controls().reportButton->click();
    ASSERT_EQ(recording.dialogs.messages.size(), 2);
    EXPECT_TRUE(recording.dialogs.messages.last().contains(QStringLiteral("RTF")));
    EXPECT_TRUE(recording.dialogs.messages.last().endsWith(u'\n' + QDir::toNativeSeparators(report)));

    // A report that cannot be written is not opened: the editor would show an old one.
    QFile::remove(report);
    learners.makeFolder(QStringLiteral("actual.rtf"));
    recording.launcher.opened.clear();
    window->controls().reportButton->click();
    ASSERT_EQ(recording.dialogs.messages.size(), 3);
    EXPECT_TRUE(recording.dialogs.messages.last().contains(QStringLiteral("guardar el informe")));
    EXPECT_TRUE(recording.launcher.opened.isEmpty());

    // A general file that has them gives the texts; item 19 belongs to another text.
    shipped.write(QStringLiteral("idiomas/idiomageneral.txt"),
        QStringLiteral("a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\nSalir?\nNo guardado\nFalta idioma\nEspacio\nIntro\n"
                       "Precision\notro\nInforme no guardado\nSin editor\n"));
    recording.dialogs.messages.clear();
    window = std::make_unique<MainWindow>(recording.platform, QStringLiteral("ana"));
    window->controls().reportButton->click();
    EXPECT_EQ(recording.dialogs.messages, QStringList {QStringLiteral("Informe no guardado")});
    QDir(report).removeRecursively();
    window->controls().reportButton->click();
    EXPECT_EQ(recording.dialogs.messages.last(), QStringLiteral("Sin editor\n") + QDir::toNativeSeparators(report));
}
