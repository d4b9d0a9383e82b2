#include "TypingWindowFixture.h"

#include "ChildProcess.h"
#include "InterfaceTexts.h"
#include "RichTextPane.h"
#include "Typing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>

#include <csignal>
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

    // A history that is there but cannot be read is named as soon as the window opens.
    bool toldAtOnceItWasNotLoaded()
    {
        const bool told
            = recording.dialogs.messages == QStringList {InterfaceTexts().notice(InterfaceTexts::HistoryNotLoaded)};
        recording.dialogs.messages.clear();
        return told;
    }

    // Leaves through the exit button and checks the learner was told, stays, and can type on.
    std::string exitIsRefusedAndTheLearnerGoesOn()
    {
        QSignalSpy exits(window.get(), &MainWindow::exitRequested);
        controls().exitButton->click();
        std::string wrong;
        if (recording.dialogs.messages != QStringList {QStringLiteral("No guardado")}) {
            wrong += "not told; ";
        }
        if (!recording.dialogs.questions.isEmpty() || exits.count() != 0) {
            wrong += "left without a saved history; ";
        }
        controls().startButton->click();
        Typing::type(controls().exercisePane, QStringLiteral("so"));
        if (!controls().echoPane->text().endsWith(QStringLiteral("so"))) {
            wrong += "cannot type on; ";
        }
        return wrong;
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
        std::string wrong = exitIsRefusedAndTheLearnerGoesOn();
        if (folder.read(QStringLiteral("Usuarios/Ana")) != previous) {
            wrong += "previous history damaged; ";
        }
        if (QDir(usersFolder()).entryList(QDir::Files | QDir::Hidden).size() != 1) {
            wrong += "a partial file was left behind; ";
        }
        // Once there is room again, the same exit saves.
        limit.rlim_cur = unlimited;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        controls().exitButton->click();
        if (recording.dialogs.questions.size() != 1 || !folder.read(QStringLiteral("Usuarios/Ana")).endsWith("so}")) {
            wrong += "not saved once there was room; ";
        }
        return wrong;
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
    const bool root = ::geteuid() == 0;
    const std::string outcome = ChildProcess::run([this, root] {
        // Root writes wherever it likes, so the learner is played by an ordinary user.
        if (root && !ChildProcess::becomeNobody()) {
            return std::string("skip");
        }
        std::string wrong = exitIsRefusedAndTheLearnerGoesOn();
        if (folder.read(QStringLiteral("Usuarios/Ana")) != previous) {
            wrong += "previous history damaged; ";
        }
        return wrong;
    });
    ::chmod(QFile::encodeName(usersFolder()).constData(), 0755);
    if (outcome == "skip") {
        GTEST_SKIP() << "running as root, and the rights of \"nobody\" cannot be taken";
    }
    EXPECT_EQ(outcome, "");
}

TEST_F(HistoryFaults, WhatIsNoRegularFileIsNeitherOpenedNorReplaced)
{
    const QString ana = usersFolder() + QStringLiteral("/Ana");
    const QString outside = folder.path() + QStringLiteral("/outside");
    folder.writeBytes(QStringLiteral("outside"), previous);
    const std::vector<std::pair<const char *, std::function<void()>>> faults = {
        {"a folder",
            [&] {
                QDir().mkdir(ana);
            }},
        {"a FIFO",
            [&] {
                ::mkfifo(QFile::encodeName(ana).constData(), 0644);
            }},
        {"a dangling link",
            [&] {
                QFile::link(folder.path() + QStringLiteral("/nowhere"), ana);
            }},
        {"a link out of the folder",
            [&] {
                QFile::link(outside, ana);
            }},
    };
    for (const auto &[name, makeFault] : faults) {
        SCOPED_TRACE(name);
        QFile::remove(ana);
        makeFault();
        const QFileInfo before(ana);
        recording.dialogs.messages.clear();
        // A FIFO opened for reading would wait here for a writer.
        open(QStringLiteral("Ana"));
        EXPECT_EQ(controls().echoPane->text(), QStringLiteral("\r\n06/12/2025\r\n"));
        EXPECT_TRUE(toldAtOnceItWasNotLoaded());
        EXPECT_EQ(exitIsRefusedAndTheLearnerGoesOn(), "");
        const QFileInfo after(ana);
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_EQ(after.symLinkTarget(), before.symLinkTarget());
        EXPECT_EQ(folder.read(QStringLiteral("outside")), previous);
        EXPECT_FALSE(QFile::exists(folder.path() + QStringLiteral("/nowhere")));
        window.reset();
        QDir(ana).removeRecursively();
    }
}

TEST_F(HistoryFaults, AHistoryTooLargeToLoadIsKeptAsItIs)
{
    QFile huge(usersFolder() + QStringLiteral("/Ana"));
    // 200 MB, sparse: the program must refuse it before reading a byte.
    ASSERT_TRUE(huge.resize(200LL * 1024 * 1024));
    open(QStringLiteral("Ana"));
    EXPECT_EQ(controls().echoPane->text(), QStringLiteral("\r\n06/12/2025\r\n"));
    EXPECT_TRUE(toldAtOnceItWasNotLoaded());
    EXPECT_EQ(exitIsRefusedAndTheLearnerGoesOn(), "");
    EXPECT_EQ(QFileInfo(huge).size(), 200LL * 1024 * 1024);
}
