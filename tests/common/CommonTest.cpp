#include "AnimatedPicture.h"
#include "CaretRest.h"
#include "Cp1252.h"
#include "SafeFile.h"
#include "SpanishQtTexts.h"

#include "ChildProcess.h"
#include "PaintCounter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

// The round trip of every byte, and '?' for a character without one, are the code page's fuzz
// target's, replayed on all 256 bytes and on text beyond the code page.
TEST(Cp1252, TheBytesAboveAsciiAreWindows1252sAndUpperCaseStaysInTheCodePage)
{
    EXPECT_EQ(Cp1252::decode("\x80\xF1"), QStringLiteral("€ñ"));
    for (const auto &[lower, upper] : {std::pair(u'á', u'Á'), {u'ñ', u'Ñ'}, {u'ÿ', u'Ÿ'}, {u'µ', u'µ'}, {u'1', u'1'}}) {
        EXPECT_EQ(Cp1252::toUpper(QChar(lower)), QChar(upper));
    }
}

TEST(SpanishQtTexts, MessageBoxButtonsAreSpanishWithOrWithoutQtsTranslations)
{
    // Qt's own file when the system has it; the three captions the program uses when it has not.
    for (const QString &folder : {QString(), QStringLiteral("/nonexistent")}) {
        const QList<QTranslator *> before = QCoreApplication::instance()->findChildren<QTranslator *>();
        SpanishQtTexts::install(*QCoreApplication::instance(), folder);
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Teclora"), QString(),
            QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("Aceptar")) << qPrintable(folder);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Sí"));
        EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("No"));
        for (QTranslator *installed : QCoreApplication::instance()->findChildren<QTranslator *>()) {
            if (!before.contains(installed)) {
                QCoreApplication::removeTranslator(installed);
                delete installed;
            }
        }
    }
}

// What stands where a history should be is also driven through the typing window in the history
// faults; there the history is never written, as it was not loaded.
TEST(SafeFile, ReplacesFilesWholeAndFollowsLinksOnlyWithinTheirFolder)
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    root.mkdir(QStringLiteral("Usuarios"));
    const auto path = [&](const char *relative) {
        return root.filePath(QString::fromLatin1(relative));
    };
    ASSERT_TRUE(SafeFile::write(path("Usuarios/Ana.rtf"), "old"));
    ASSERT_TRUE(SafeFile::write(path("outside"), "outside"));
    QFile::link(QStringLiteral("Ana.rtf"), path("Usuarios/Ana"));
    QFile::link(QStringLiteral("../outside"), path("Usuarios/Luz"));
    QFile::link(QStringLiteral("nowhere"), path("Usuarios/Sol"));
    ::mkfifo(QFile::encodeName(path("Usuarios/Fifo")).constData(), 0644);
    SafeFile::write(path("Usuarios/empty"), QByteArray());

    // A link within the folder reads and writes its target, which is replaced whole.
    bool ok = false;
    EXPECT_TRUE(SafeFile::write(path("Usuarios/Ana"), "new"));
    EXPECT_EQ(SafeFile::read(path("Usuarios/Ana"), &ok), QByteArray("new"));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(QFileInfo(path("Usuarios/Ana")).isSymLink());
    EXPECT_FALSE(SafeFile::write(path("missing/h"), "x"));
    // A relative link that climbs out of the folder, one to nowhere, a FIFO and a folder are
    // neither read nor written.
    for (const char *refused : {"Usuarios/Luz", "Usuarios/Sol", "Usuarios/Fifo", "Usuarios"}) {
        SCOPED_TRACE(refused);
        EXPECT_TRUE(SafeFile::read(path(refused), &ok).isEmpty());
        EXPECT_FALSE(ok);
        EXPECT_FALSE(SafeFile::write(path(refused), "x"));
        EXPECT_TRUE(SafeFile::isTaken(path(refused)));
    }
    EXPECT_EQ(SafeFile::read(path("outside")), QByteArray("outside"));
    EXPECT_FALSE(QFile::exists(path("Usuarios/nowhere")));
    // An empty file is read, and what is not there is not taken.
    EXPECT_TRUE(SafeFile::read(path("Usuarios/empty"), &ok).isEmpty());
    EXPECT_TRUE(ok);
    EXPECT_FALSE(SafeFile::isTaken(path("Usuarios/Nadie")));
}

namespace
{

// Writes until the file system holding path has no byte left.
void fillToTheBrim(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    const QByteArray page(4096, 'x');
    while (::write(fd, page.constData(), page.size()) > 0) {
    }
    EXPECT_EQ(errno, ENOSPC);
    ::close(fd);
    struct statvfs room {
    };
    ASSERT_EQ(::statvfs(QFile::encodeName(path).constData(), &room), 0);
    ASSERT_EQ(room.f_bavail, 0U);
}

} // namespace

// A save ends by flushing what the save file buffered and renaming the file into place; either
// failing is a failure that keeps the previous file. Each fault is made in a forked child, in a
// tmpfs of two pages that only the child sees: the disk filled to the brim (a small file's bytes
// wait in the buffer, so nothing fails before the end), and the file a mount point of its own, as
// a file bind-mounted into a container is (nothing can be renamed over it).
TEST(SafeFile, ASaveWhoseLastStepFailsIsAFailureAndKeepsThePreviousFile)
{
    const std::vector<std::pair<const char *, std::function<void(const QString &, const QString &)>>> faults = {
        {"a full disk",
            [](const QString &disk, const QString &) {
                fillToTheBrim(disk + QStringLiteral("/filler"));
            }},
        {"a file that is a mount point",
            [](const QString &, const QString &history) {
                const QByteArray native = QFile::encodeName(history);
                ASSERT_EQ(::mount(native.constData(), native.constData(), nullptr, MS_BIND, nullptr), 0)
                    << std::strerror(errno);
            }},
    };
    for (const auto &[name, makeFault] : faults) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString disk = dir.filePath(QStringLiteral("disk"));
        ASSERT_TRUE(QDir().mkdir(disk));
        const std::optional<std::string> outcome = ChildProcess::runWithOwnMounts([&] {
            ASSERT_EQ(::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=8k"), 0)
                << std::strerror(errno);
            const QString history = disk + QStringLiteral("/Ana");
            ASSERT_TRUE(SafeFile::write(history, "old"));
            makeFault(disk, history);
            const QStringList files = QDir(disk).entryList(QDir::Files | QDir::Hidden);

            EXPECT_FALSE(SafeFile::write(history, "new"));
            EXPECT_EQ(SafeFile::read(history), QByteArray("old"));
            // No partial file is left beside them.
            EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden), files);
        });
        if (!outcome) {
            GTEST_SKIP() << "this system lets no process mount a file system of its own";
        }
        EXPECT_EQ(*outcome, "");
    }
}

TEST(CaretRest, CaretsRestAfterAQuietSpellBlinkAgainAtTheNextInputAndAreGivenBackAsFound)
{
    const int desktop = QApplication::cursorFlashTime();
    ASSERT_GT(desktop, 0);
    QPlainTextEdit pane;
    pane.show();
    const auto restsSoon = [] {
        return QTest::qWaitFor(
            [] {
                return QApplication::cursorFlashTime() == 0;
            },
            2000);
    };
    {
        const CaretRest rest(150);
        // A learner who keeps typing keeps the caret blinking.
        for (int key = 0; key < 5; ++key) {
            QTest::qWait(50);
            QTest::keyClick(&pane, Qt::Key_A);
        }
        EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
        EXPECT_TRUE(restsSoon());

        QTest::keyClick(&pane, Qt::Key_B);
        EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
        EXPECT_TRUE(restsSoon());
        QTest::mouseClick(pane.viewport(), Qt::LeftButton);
        EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
        EXPECT_TRUE(restsSoon());
    }
    EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
}

TEST(AnimatedPicture, TheSameFileAgainStartsOverAndRepaintsOnlyWhenAnotherFrameShows)
{
    // Its frames show 160 ms each: a reaction played again at once still shows its first one.
    const QString gif = QStringLiteral(TECLORA_DATA_DIR "/gifs/feli2.gif");
    QWidget window;
    window.resize(200, 100);
    AnimatedPicture reaction(&window);
    reaction.setGeometry(10, 10, 146, 58);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    reaction.play(gif);
    ASSERT_TRUE(QTest::qWaitFor([&reaction] {
        return reaction.isRunning();
    }));
    {
        const PaintCounter paints(&reaction);
        reaction.play(gif);
        QApplication::processEvents();
        EXPECT_EQ(paints.paints, 0);
        EXPECT_TRUE(reaction.isRunning());
    }
    ASSERT_TRUE(QTest::qWaitFor([&reaction] {
        return reaction.currentFrame() > 0;
    }));
    const PaintCounter paints(&reaction);
    reaction.play(gif);
    EXPECT_EQ(reaction.currentFrame(), 0);
    QApplication::processEvents();
    EXPECT_GT(paints.paints, 0);
}

// Counts the timer events a widget gets: a resting animation gets none.
class TimerCounter : public QObject
{
public:
    explicit TimerCounter(QObject *watched)
    {
        watched->installEventFilter(this);
    }
    int timers = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        timers += event->type() == QEvent::Timer ? 1 : 0;
        return false;
    }
};

TEST(AnimatedPicture, RestsOnItsFrameWhenNobodyWakesItOrItsWindowIsNotActiveAndPlaysAgainWhenWoken)
{
    const QString gif = QStringLiteral(TECLORA_DATA_DIR "/gifs/linea.gif");
    QWidget window;
    window.resize(500, 60);
    AnimatedPicture line(&window);
    line.setGeometry(10, 10, 402, 17);
    line.setQuietSpell(600);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    line.play(gif);
    ASSERT_TRUE(QTest::qWaitFor([&line] {
        return line.isRunning();
    }));
    const auto rests = [&line] {
        return QTest::qWaitFor(
            [&line] {
                return !line.isRunning();
            },
            3000);
    };

    // Woken now and then, as by a learner's keys, it plays on well past its quiet spell.
    for (int key = 0; key < 6; ++key) {
        QTest::qWait(150);
        EXPECT_TRUE(line.isRunning()) << "key " << key;
        line.wake();
    }
    // Left alone, it stands on the frame it shows, with nothing left to wake it.
    ASSERT_TRUE(rests());
    // A frame or check already on its way when it came to rest is let through first.
    QTest::qWait(50);
    const int restingFrame = line.currentFrame();
    EXPECT_GE(restingFrame, 0);
    {
        const PaintCounter paints(&line);
        const TimerCounter timers(&line);
        QTest::qWait(200);
        EXPECT_EQ(paints.paints, 0);
        EXPECT_EQ(timers.timers, 0);
        EXPECT_EQ(line.currentFrame(), restingFrame);
    }
    line.wake();
    EXPECT_TRUE(line.isRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return line.currentFrame() != restingFrame;
    }));

    // Another window made active: it rests, and a wake does not make it play for nobody.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(rests());
    line.wake();
    EXPECT_FALSE(line.isRunning());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(line.isRunning());
    // Coming back to the window counts as a wake: it plays a whole spell again.
    QTest::qWait(300);
    EXPECT_TRUE(line.isRunning());
    EXPECT_TRUE(rests());
}
