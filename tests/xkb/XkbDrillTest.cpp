#include "AppFolder.h"
#include "KeyboardWidget.h"
#include "MainWindow.h"
#include "RecordingPlatform.h"
#include "RichTextPane.h"
#include "SystemActiveLayout.h"
#include "Typing.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

int frameNamed(const char *xkbName)
{
    return KeyboardKeys::frameOf(KeyboardKeys::keyNamed(QLatin1String(xkbName)));
}

// A key pressed on the X server's keyboard, as the learner's fingers would: the server turns it
// into a character through its own layout.
void pressOnTheServer(const QString &keysym)
{
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keysym});
}

const QColor Blue(0, 0, 255);
const QColor Green(0, 255, 0);
const QColor White(255, 255, 255);

} // namespace

// Run by run-under-xvfb.sh on a display typing with the Latin American layout.
TEST(XkbDrill, TheLatinAmericanKeyboardIsDetectedAndTheFramesFollowTheKeysReallyPressed)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    const SystemActiveLayout system = SystemActiveLayout::forThisProgram();
    ASSERT_EQ(system.activeLayout(), KeyboardMap::Layout::LatinAmerica);

    AppFolder folder;
    folder.writeLanguageFiles(QStringLiteral("Castellano"));
    folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("¿a@"));
    RecordingPlatform recording(folder.path());
    recording.platform.activeLayout = &system;
    MainWindow window(recording.platform, QString());
    window.resize(1366, 720);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Typing::deliverLaterCalls();
    ASSERT_EQ(recording.dialogs.questions.size(), 1); // the detected keyboard, offered once
    const KeyboardWidget &keyboard = window.keyboardWidget();
    EXPECT_EQ(keyboard.accessibleName(), QStringLiteral("teclado Latinoamérica"));

    window.controls().startButton->click();
    RichTextPane *pane = window.controls().exercisePane;
    window.activateWindow();
    pane->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(keyboard.frameColour(frameNamed("AE12")), Blue);

    pressOnTheServer(QStringLiteral("questiondown"));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return keyboard.frameColour(frameNamed("AC01")) == Blue;
    }));
    EXPECT_EQ(keyboard.frameColour(frameNamed("AE12")), White);
    EXPECT_EQ(window.drill().rightCount(), 1);

    pressOnTheServer(QStringLiteral("a"));
    // @ is AltGr + 2 on this keyboard: both framed.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return keyboard.frameColour(frameNamed("AE02")) == Blue;
    }));
    EXPECT_EQ(keyboard.frameColour(frameNamed("RALT")), Green);
    EXPECT_EQ(keyboard.frameColour(frameNamed("LFSH")), White);

    pressOnTheServer(QStringLiteral("at"));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !window.drill().isRunning();
    }));
    EXPECT_EQ(window.drill().wrongCount(), 0);
}

// Not a check: with TECLORA_SCREENSHOT naming a file, the Latin American keyboard during a drill
// on the shipped course, the screen as the window manager shows it (docs/teclado-latinoamerica.png).
TEST(XkbDrill, ScreenshotForTheDocs)
{
    const QString file = qEnvironmentVariable("TECLORA_SCREENSHOT");
    if (file.isEmpty()) {
        GTEST_SKIP() << "TECLORA_SCREENSHOT names no file";
    }
    class LatinAmerica : public ActiveLayout
    {
        KeyboardMap::Layout activeLayout() const override
        {
            return KeyboardMap::Layout::LatinAmerica;
        }
    } system;
    const QTemporaryDir learnerFiles;
    RecordingPlatform recording(QStringLiteral(TECLORA_DATA_DIR), learnerFiles.path());
    recording.platform.activeLayout = &system;
    MainWindow window(recording.platform, QString());
    window.showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Typing::deliverLaterCalls();
    window.controls().lessonList->setCurrentRow(18);
    window.controls().startButton->click();
    Typing::type(window.controls().exercisePane, window.drill().text().left(2));
    QTest::qWait(500);
    QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
}
