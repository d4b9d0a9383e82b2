#include "AppFolder.h"
#include "RichTextPane.h"
#include "SafeFile.h"
#include "SampleHistory.h"
#include "UserRegistry.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace
{

int setting(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// Drills that make about a megabyte of history.
constexpr int DrillsPerMegabyte = 7800;

} // namespace

// However the program is stopped while it saves, the history is the previous one or the new
// one, whole. TECLORA_KILL_MB and TECLORA_KILL_ROUNDS make the test heavier.
TEST(HistorySave, AKilledSaveLeavesThePreviousOrTheNewHistoryWhole)
{
    const int megabytes = setting("TECLORA_KILL_MB", 1);
    const int rounds = setting("TECLORA_KILL_ROUNDS", 40);
    AppFolder folder;
    RichTextPane pane;
    SampleHistory::appendDrills(*pane.document(), megabytes * DrillsPerMegabyte);
    const QString previousPath = folder.path() + QStringLiteral("/previous.rtf");
    const QString nextPath = folder.path() + QStringLiteral("/next.rtf");
    ASSERT_TRUE(pane.saveFile(previousPath));
    const QString previousText = pane.text();
    QTextCursor end(pane.document());
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("\n06/12/2026\n"));
    ASSERT_TRUE(pane.saveFile(nextPath));
    const QString nextText = pane.text();
    const QByteArray previous = SafeFile::read(previousPath);
    const QByteArray next = SafeFile::read(nextPath);
    folder.makeFolder(QStringLiteral("Usuarios"));
    const QString history = folder.path() + QStringLiteral("/Usuarios/Luis");
    ASSERT_TRUE(SafeFile::write(history, previous));

    // The saver writes the new history first, then the previous one again, and so on; the kills
    // fall anywhere within its first few saves.
    QElapsedTimer oneSave;
    oneSave.start();
    ASSERT_TRUE(SafeFile::write(folder.path() + QStringLiteral("/timing.rtf"), next));
    const qint64 window = std::max<qint64>(4 * oneSave.nsecsElapsed() / 1000, 1000);

    QRandomGenerator random(20261206);
    int seenNext = 0;
    for (int round = 0; round < rounds; ++round) {
        QProcess saver;
        saver.start(QStringLiteral(TECLORA_HISTORY_SAVER), {history, nextPath, previousPath});
        ASSERT_TRUE(saver.waitForReadyRead(10000));
        QThread::usleep(random.bounded(window));
        // Only the saver's own process is killed.
        ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
        ASSERT_TRUE(saver.waitForFinished(10000));
        const QByteArray left = SafeFile::read(history);
        ASSERT_TRUE(left == previous || left == next) << "round " << round << ": " << left.size() << " bytes";
        seenNext += left == next;
    }
    // Both versions were caught, so the kills did fall during the saves.
    EXPECT_GT(seenNext, 0);
    EXPECT_LT(seenNext, rounds);
    // What was left loads as a whole history.
    RichTextPane reloaded;
    ASSERT_TRUE(reloaded.loadFile(history));
    EXPECT_TRUE(reloaded.text() == previousText || reloaded.text() == nextText);
    // What an interrupted save leaves beside the history is no learner.
    EXPECT_EQ(UserRegistry(folder.path()).users(), QStringList {QStringLiteral("Luis")});
}
