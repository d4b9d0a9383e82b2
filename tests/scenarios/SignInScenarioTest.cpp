#include "TypingWindowFixture.h"

#include "SignInWindow.h"
#include "StartWindow.h"
#include "WindowSequence.h"

#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QSignalSpy>

namespace
{

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void setClave(const SignInWindow::CodeButtons &buttons, const QString &digits)
{
    // Clicks each button until it shows its digit, as a learner does.
    for (int index = 0; index < ClaveDigits::Count; ++index) {
        for (int click = 0; click < 10 && buttons[index]->text() != digits.at(index); ++click) {
            buttons[index]->click();
        }
    }
}

} // namespace

// The program's windows in their order, over the typing window's small application folder.
class Windows : public TypingWindowFixture
{
protected:
    Windows()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("sí"));
        QImage cover(636, 334, QImage::Format_RGB32);
        cover.fill(Qt::darkCyan);
        folder.makeFolder(QStringLiteral("imagenes"));
        cover.save(folder.path() + QStringLiteral("/imagenes/portada.jpg"));
        recording.clock.date = QStringLiteral("06/12/2026");
    }

    // Returns once the start-up window's parts are built.
    void start()
    {
        windows = std::make_unique<WindowSequence>(recording.platform);
        windows->start();
        // The window goes to the screen before its parts are built, so that neither the
        // accessibility bridge nor the cover's JPEG plug-in hold it back.
        EXPECT_TRUE(windows->startWindow()->findChildren<QWidget *>().isEmpty());
        ASSERT_TRUE(QTest::qWaitFor([this] {
            return part("picture") != nullptr;
        }));
    }

    QWidget *part(const char *name) const
    {
        return windows->startWindow()->findChild<QWidget *>(QString::fromLatin1(name));
    }

    void clickOn(QWidget *widget, QPoint where = QPoint(2, 2)) const
    {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, where);
    }

    // Opens the sign-in window from the start-up window's picture.
    const SignInWindow::Controls &signIn()
    {
        start();
        clickOn(part("picture"));
        return windows->signInWindow()->controls();
    }

    const MainWindowControls &typing() const
    {
        return windows->typingWindow()->controls();
    }

    std::unique_ptr<WindowSequence> windows;
};

TEST_F(Windows, TheStartWindowOpensOneSignInWindowWithItsModesCaptionsUsersAndCodeButtons)
{
    folder.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana\n"));
    folder.write(QStringLiteral("Usuarios/Luis"), QStringLiteral("Luis\n"));
    start();
    StartWindow *startWindow = windows->startWindow();
    // Scripts that drive the program find its windows by these titles.
    EXPECT_EQ(startWindow->windowTitle(), QStringLiteral("Teclora: bienvenida"));
    EXPECT_EQ(static_cast<QLabel *>(part("picture"))->pixmap().size(), QSize(636, 334));
    // A learner who does not think of clicking learns that Enter opens the way in, over the cover.
    const auto *enterPrompt = static_cast<QLabel *>(part("enterPrompt"));
    EXPECT_TRUE(enterPrompt->text().contains(QStringLiteral("pulsa Intro")));
    EXPECT_TRUE(enterPrompt->isVisible());
    EXPECT_TRUE(part("picture")->geometry().contains(enterPrompt->geometry()));

    // The title, the animation and a key other than Enter do not open anything; Enter does, for
    // a learner without a mouse.
    clickOn(part("title"));
    clickOn(part("slide"));
    QTest::keyClick(startWindow, Qt::Key_A);
    EXPECT_EQ(windows->signInWindow(), nullptr);
    QTest::keyClick(startWindow, Qt::Key_Return);
    SignInWindow *signIn = windows->signInWindow();
    ASSERT_NE(signIn, nullptr);
    clickOn(part("picture"));
    clickOn(startWindow, QPoint(startWindow->width() - 1, startWindow->height() / 2));
    EXPECT_EQ(windows->signInWindow(), signIn);
    // Meanwhile the animation slides out of sight.
    for (int tick = 0; tick < 400; ++tick) {
        startWindow->advanceSlide();
    }
    EXPECT_GT(part("slide")->x(), startWindow->width());

    const SignInWindow::Controls &c = signIn->controls();
    EXPECT_EQ(signIn->windowTitle(), QStringLiteral("Teclora: usuario"));
    EXPECT_EQ(c.modeButtons[0]->text(), QStringLiteral("a"));
    EXPECT_EQ(c.registeredFrame->title(), QStringLiteral("a"));
    EXPECT_EQ(c.newUserFrame->title(), QStringLiteral("b"));
    EXPECT_EQ(c.newClaveCaption->text(), QStringLiteral("h"));
    EXPECT_EQ(c.signInButton->text(), QStringLiteral("f"));

    // The two modes share one place, each in a colour of its own.
    EXPECT_EQ(c.newUserFrame->geometry(), c.registeredFrame->geometry());
    EXPECT_TRUE(c.registeredFrame->isVisible());
    EXPECT_FALSE(c.newUserFrame->isVisible());
    EXPECT_TRUE(c.modeButtons[0]->isChecked());
    EXPECT_EQ(signIn->palette().color(QPalette::Window), QColor(192, 255, 192));
    c.modeButtons[SignInWindow::NewUserMode]->click();
    EXPECT_FALSE(c.registeredFrame->isVisible());
    EXPECT_TRUE(c.newUserFrame->isVisible());
    EXPECT_FALSE(c.modeButtons[0]->isChecked());
    EXPECT_EQ(signIn->palette().color(QPalette::Window), QColor(255, 192, 192));

    ASSERT_EQ(c.userList->count(), 2);
    c.userList->setCurrentRow(1);
    EXPECT_EQ(c.nameField->text(), QStringLiteral("Luis"));

    // Stepping the digits is the clave buttons' own test; setting a clave by them is the next one's.
    EXPECT_EQ(c.loginButtons[0]->text() + c.loginButtons[3]->text(), QStringLiteral("10"));
    EXPECT_FALSE(c.userList->accessibleName().isEmpty());
    EXPECT_FALSE(c.nameField->accessibleName().isEmpty());
    EXPECT_FALSE(c.newNameField->accessibleName().isEmpty());
    // A code button is read out by its digit, and says what it is for.
    EXPECT_TRUE(c.loginButtons[3]->accessibleName().isEmpty());
    EXPECT_FALSE(c.loginButtons[3]->accessibleDescription().isEmpty());

    // Closed, it leaves the start-up window, whose picture opens a fresh one with today's users.
    QPointer<SignInWindow> closed = signIn;
    signIn->close();
    deleteClosedWindows();
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(windows->signInWindow(), nullptr);
    EXPECT_TRUE(startWindow->isVisible());
    folder.write(QStringLiteral("Usuarios/Eva"), QStringLiteral("Eva\n"));
    clickOn(part("picture"));
    ASSERT_NE(windows->signInWindow(), nullptr);
    EXPECT_EQ(windows->signInWindow()->controls().userList->count(), 3);

    QSignalSpy finished(windows.get(), &WindowSequence::finished);
    startWindow->close();
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(Windows, ALearnerWhoRegistersKeepsHerHistoryAcrossRuns)
{
    const SignInWindow::Controls &registration = signIn();
    registration.modeButtons[SignInWindow::NewUserMode]->click();
    registration.newNameField->setText(QStringLiteral("Luis"));
    setClave(registration.newUserButtons, QStringLiteral("2705"));
    registration.registerButton->click();
    EXPECT_EQ(folder.read(QStringLiteral("Claves/Luisclave")), QByteArray("2705"));
    EXPECT_EQ(folder.read(QStringLiteral("Usuarios/Luis")), QByteArray("Luis - historial\r\n"));
    ASSERT_NE(windows->typingWindow(), nullptr);
    EXPECT_EQ(windows->typingWindow()->windowTitle(), QStringLiteral("Teclora    *** Luis ***"));
    EXPECT_EQ(typing().echoPane->text(), QStringLiteral("Luis - historial\r\n\r\n06/12/2026\r\n"));
    deleteClosedWindows();
    EXPECT_EQ(windows->signInWindow(), nullptr);
    EXPECT_EQ(windows->startWindow(), nullptr);

    // A drill with a wrong key goes into her history.
    typing().startButton->click();
    Typing::type(typing().exercisePane, QStringLiteral("xsí"));
    EXPECT_TRUE(typing().echoPane->text().endsWith(QStringLiteral("(c.) ** - Castellano\\A\\1 - Precision 50 %\r\n")));
    // A drill left running at the exit is saved with the rest; "No" keeps her typing.
    windows->typingWindow()->drillSequencer().moveToNextExercise();
    Typing::type(typing().exercisePane, QStringLiteral("s"));
    const QString saved = typing().echoPane->text();
    QSignalSpy finished(windows.get(), &WindowSequence::finished);
    recording.dialogs.answer = false;
    typing().exitButton->click();
    EXPECT_EQ(recording.dialogs.questions, QStringList {QStringLiteral("Salir?")});
    EXPECT_EQ(finished.count(), 0);
    recording.dialogs.answer = true;
    typing().exitButton->click();
    EXPECT_EQ(finished.count(), 1);

    recording.clock.date = QStringLiteral("07/12/2026");
    // Back another day, signing in with other capitals.
    const SignInWindow::Controls &login = signIn();
    login.nameField->setText(QStringLiteral("luis"));
    setClave(login.loginButtons, QStringLiteral("2705"));
    login.signInButton->click();
    ASSERT_NE(windows->typingWindow(), nullptr);
    EXPECT_EQ(windows->typingWindow()->windowTitle(), QStringLiteral("Teclora    *** luis ***"));
    EXPECT_EQ(typing().echoPane->text(), saved + QStringLiteral("\r\n07/12/2026\r\n"));
    typing().exitButton->click();
    EXPECT_EQ(
        QDir(folder.path() + QStringLiteral("/Usuarios")).entryList(QDir::Files), QStringList {QStringLiteral("Luis")});
    EXPECT_TRUE(folder.read(QStringLiteral("Usuarios/Luis")).startsWith("{\\rtf1"));
}

TEST_F(Windows, RefusedAttemptsAndAnUnregisteredLearnerSayWhyAndWriteNothing)
{
    folder.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana\n"));
    folder.write(QStringLiteral("Claves/Anaclave"), QStringLiteral("1234"));
    const SignInWindow::Controls &c = signIn();
    c.nameField->setText(QStringLiteral("Ana"));
    c.signInButton->click();
    c.nameField->setText(QStringLiteral("Eva"));
    c.signInButton->click();
    EXPECT_EQ(recording.dialogs.messages, (QStringList {QStringLiteral("i"), QStringLiteral("j")}));

    recording.dialogs.messages.clear();
    c.modeButtons[SignInWindow::NewUserMode]->click();
    c.newNameField->setText(QStringLiteral("ANA"));
    c.registerButton->click();
    c.newNameField->setText(QStringLiteral("   "));
    c.registerButton->click();
    EXPECT_EQ(recording.sound.played, QStringList {QStringLiteral("beep")});
    c.newNameField->setText(QStringLiteral("../Ana"));
    c.registerButton->click();
    ASSERT_EQ(recording.dialogs.messages.size(), 3);
    EXPECT_EQ(recording.dialogs.messages.mid(0, 2), (QStringList {QStringLiteral("k"), QStringLiteral("l")}));
    EXPECT_TRUE(recording.dialogs.messages.at(2).startsWith(QStringLiteral("Ese nombre")));

    EXPECT_EQ(windows->typingWindow(), nullptr);

    // Going on unregistered has no history either, and the learner is still asked on leaving.
    c.modeButtons[SignInWindow::UnregisteredMode]->click();
    ASSERT_NE(windows->typingWindow(), nullptr);
    EXPECT_EQ(windows->typingWindow()->windowTitle(), QStringLiteral("Teclora"));
    EXPECT_TRUE(typing().echoPane->text().isEmpty());
    typing().exitButton->click();
    EXPECT_EQ(recording.dialogs.questions, QStringList {QStringLiteral("Salir?")});
    EXPECT_EQ(
        QDir(folder.path() + QStringLiteral("/Usuarios")).entryList(QDir::Files), QStringList {QStringLiteral("Ana")});
    EXPECT_EQ(QDir(folder.path() + QStringLiteral("/Claves")).entryList(QDir::Files),
        QStringList {QStringLiteral("Anaclave")});
    EXPECT_EQ(folder.read(QStringLiteral("Claves/Anaclave")), QByteArray("1234"));
}

TEST_F(Windows, DigitsTypedOnTheCodeButtonsTakeTheirPlaceAndMoveTheFocusOn)
{
    const SignInWindow::Controls &c = signIn();
    c.modeButtons[SignInWindow::NewUserMode]->click();
    const SignInWindow::CodeButtons &buttons = c.newUserButtons;
    // A clave never starts with 0: refused with a beep, and the focus stays for another digit.
    buttons[0]->setFocus();
    QTest::keyClick(buttons[0], Qt::Key_0);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("1"));
    EXPECT_EQ(recording.sound.played, QStringList {QStringLiteral("beep")});
    EXPECT_EQ(windows->signInWindow()->focusWidget(), buttons[0]);
    const QList<std::pair<Qt::Key, QWidget *>> typed
        = {{Qt::Key_3, buttons[1]}, {Qt::Key_0, buttons[2]}, {Qt::Key_0, buttons[3]}, {Qt::Key_7, c.registerButton}};
    for (int index = 0; index < ClaveDigits::Count; ++index) {
        QTest::keyClick(buttons[index], typed[index].first);
        EXPECT_EQ(windows->signInWindow()->focusWidget(), typed[index].second) << index;
    }
    // A letter or a shortcut is no digit.
    QTest::keyClick(buttons[3], Qt::Key_A);
    QTest::keyClick(buttons[3], Qt::Key_5, Qt::ControlModifier);
    // A click steps on from the typed digit; typing counts as choosing, so nobody is asked.
    buttons[3]->click();
    c.newNameField->setText(QStringLiteral("Eva"));
    c.registerButton->click();
    EXPECT_TRUE(recording.dialogs.questions.isEmpty());
    EXPECT_EQ(folder.read(QStringLiteral("Claves/Evaclave")), QByteArray("3008"));
    EXPECT_NE(windows->typingWindow(), nullptr);
}

TEST_F(Windows, ANewLearnerWhoChoseNoDigitIsAskedWhetherTheStartingClaveWillDo)
{
    const SignInWindow::Controls &c = signIn();
    c.modeButtons[SignInWindow::NewUserMode]->click();
    c.newNameField->setText(QStringLiteral("Eva"));
    // "No" leaves her to choose the digits, from the first.
    recording.dialogs.answer = false;
    c.registerButton->click();
    ASSERT_EQ(recording.dialogs.questions.size(), 1);
    EXPECT_TRUE(recording.dialogs.questions.first().contains(QStringLiteral("tu clave será 1000. ¿Quieres usarla?")));
    EXPECT_EQ(windows->signInWindow()->focusWidget(), c.newUserButtons[0]);
    EXPECT_EQ(windows->typingWindow(), nullptr);
    EXPECT_FALSE(QDir(folder.path() + QStringLiteral("/Usuarios")).exists(QStringLiteral("Eva")));

    recording.dialogs.answer = true;
    c.registerButton->click();
    EXPECT_EQ(recording.dialogs.questions.size(), 2);
    EXPECT_EQ(folder.read(QStringLiteral("Claves/Evaclave")), QByteArray("1000"));
    EXPECT_NE(windows->typingWindow(), nullptr);
}
