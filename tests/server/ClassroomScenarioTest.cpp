#include "AppFolder.h"
#include "DrillSequencer.h"
#include "GeneralItems.h"
#include "MainWindow.h"
#include "ProgressWindow.h"
#include "RecordingPlatform.h"
#include "RichTextPane.h"
#include "ServerClassRoster.h"
#include "ServerTestCase.h"
#include "SignInWindow.h"
#include "StatsRecorder.h"
#include "TeacherWindow.h"
#include "Typing.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>

namespace
{

void setClave(const SignInWindow::CodeButtons &buttons, const QString &digits)
{
    for (int index = 0; index < ClaveDigits::Count; ++index) {
        for (int click = 0; click < 10 && buttons[index]->text() != digits.at(index); ++click) {
            buttons[index]->click();
        }
    }
}

// One PC of the lab: its own application folder and learners' home, its doubles, and the class
// server as the place of its learners.
struct LabPc {
    LabPc(std::unique_ptr<ServerLearnerStore> server, const QString &date)
        : store(std::move(server))
        , platform {folder.path(), folder.path(), recording.sound, recording.dialogs, recording.clock,
              recording.launcher, *store}
    {
        folder.writeLanguageFiles(QStringLiteral("Castellano"));
        folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("sí"));
        recording.clock.date = date;
    }

    // Signs in (or registers) through the sign-in window; the name it reported, if any.
    std::optional<QString> signIn(const QString &name, const QString &clave, bool registering)
    {
        SignInWindow window(platform);
        const SignInWindow::Controls &c = window.controls();
        QSignalSpy signedIn(&window, &SignInWindow::signedIn);
        if (registering) {
            c.modeButtons[SignInWindow::NewUserMode]->click();
            c.newNameField->setText(name);
            setClave(c.newUserButtons, clave);
            c.registerButton->click();
        } else {
            c.nameField->setText(name);
            setClave(c.loginButtons, clave);
            c.signInButton->click();
        }
        learnersListed.clear();
        for (int row = 0; row < c.userList->count(); ++row) {
            learnersListed.append(c.userList->item(row)->text());
        }
        if (signedIn.isEmpty()) {
            return std::nullopt;
        }
        return signedIn.constFirst().constFirst().toString();
    }

    MainWindow &open(const QString &learner)
    {
        window = std::make_unique<MainWindow>(platform, learner);
        QCoreApplication::sendPostedEvents();
        return *window;
    }

    // A drill of "sí" with one wrong key first.
    void drill()
    {
        const MainWindowControls &c = window->controls();
        c.startButton->click();
        Typing::type(c.exercisePane, QStringLiteral("xsí"));
        Typing::deliverLaterCalls();
    }

    void leave()
    {
        window->controls().exitButton->click();
        window.reset();
    }

    AppFolder folder;
    RecordingPlatform recording {folder.path()};
    std::unique_ptr<ServerLearnerStore> store;
    Platform platform;
    std::unique_ptr<MainWindow> window;
    QStringList learnersListed;
};

using Classroom = ServerTestCase;

// Registered on one PC, the learner sits at another the next day and finds her history, her
// statistics and the figures her weak keys come from; nothing of hers is left in a PC's folders.
// The teacher then sees her in the class, opens her progress and gives her a new clave.
TEST_F(Classroom, ALearnerFindsHerHistoryOnAnyPcAndTheTeacherSeesTheClass)
{
    LabPc pcA(newPc(QStringLiteral("A")), QStringLiteral("07/12/2026"));
    ASSERT_EQ(pcA.signIn(QStringLiteral("Luis"), QStringLiteral("2705"), true), QStringLiteral("Luis"));
    pcA.open(QStringLiteral("Luis"));
    pcA.drill();
    const QString typedOnA = pcA.window->controls().echoPane->text();
    EXPECT_TRUE(typedOnA.contains(QStringLiteral("Castellano\\A\\1"))) << typedOnA.toStdString();
    pcA.leave();
    for (const char *folder : {"Usuarios", "Claves", "Estadisticas"}) {
        EXPECT_FALSE(QFileInfo::exists(pcA.folder.path() + u'/' + QString::fromLatin1(folder))) << folder;
    }

    LabPc pcB(newPc(QStringLiteral("B")), QStringLiteral("08/12/2026"));
    EXPECT_EQ(pcB.signIn(QStringLiteral("luis"), QStringLiteral("0000"), false), std::nullopt);
    EXPECT_EQ(pcB.recording.dialogs.messages, QStringList {QStringLiteral("i")});
    EXPECT_EQ(pcB.learnersListed, QStringList {QStringLiteral("Luis")});
    ASSERT_EQ(pcB.signIn(QStringLiteral("luis"), QStringLiteral("2705"), false), QStringLiteral("luis"));
    MainWindow &onB = pcB.open(QStringLiteral("luis"));
    EXPECT_EQ(onB.controls().echoPane->text(), typedOnA + QStringLiteral("\r\n08/12/2026\r\n"));
    const LearnerStatistics &statistics = onB.statistics().store();
    ASSERT_EQ(statistics.drills().size(), 1);
    EXPECT_EQ(statistics.drills().constFirst().exercise, QStringLiteral("Castellano\\A\\1"));
    const QList<KeyCount> keys = statistics.keyTotals();
    ASSERT_FALSE(keys.isEmpty());
    EXPECT_EQ(keys.constFirst().character, QLatin1Char('s'));
    EXPECT_EQ(keys.constFirst().wrong, 1);
    pcB.drill();
    EXPECT_EQ(statistics.drills().size(), 2) << "recorded on the server as it finished";
    pcB.leave();

    ServerClassRoster roster(ServerAddress::parse(learnerUrl));
    TeacherWindow teacher(roster, pcB.platform);
    const TeacherWindow::Controls &c = teacher.controls();
    c.passwordField->setText(QStringLiteral("tiza"));
    c.signInButton->click();
    EXPECT_EQ(c.classTable->rowCount(), 0);
    c.passwordField->setText(TeacherPassword);
    c.signInButton->click();
    ASSERT_EQ(c.classTable->rowCount(), 1);
    const ClassRow &row = teacher.rows().constFirst();
    EXPECT_EQ(row.learner, QStringLiteral("Luis"));
    EXPECT_EQ(row.drills, 2);
    EXPECT_EQ(row.lastLesson, QStringLiteral("Castellano\\A"));
    EXPECT_EQ(row.lastPractice, QStringLiteral("2025-12-06 10:30"));

    c.classTable->selectRow(0);
    c.progressButton->click();
    ProgressWindow *progress = teacher.progressWindowOf(QStringLiteral("Luis"));
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_FALSE(progress->practiceButton()->isVisible());

    c.exportButton->click();
    const QString csv = QString::fromUtf8(pcB.folder.read(QStringLiteral("Estadisticas/clase.csv")));
    EXPECT_TRUE(csv.contains(QStringLiteral("\r\nLuis;2025-12-06 10:30;2;"))) << csv.toStdString();

    pcB.recording.clock.script({0.5});
    c.newClaveButton->click();
    EXPECT_EQ(pcB.recording.dialogs.messages.constLast(),
        QStringLiteral("La nueva clave de Luis es 5500. Dísela para que pueda entrar."));
    EXPECT_EQ(pcA.signIn(QStringLiteral("Luis"), QStringLiteral("2705"), false), std::nullopt);
    EXPECT_EQ(pcA.signIn(QStringLiteral("Luis"), QStringLiteral("5500"), false), QStringLiteral("Luis"))
        << pcA.recording.dialogs.messages.join(u'|').toStdString();
}

// With the server away, signing in says so and offers to go on unregistered; a window opened
// and drills finished while it is away reach it, date line and all, once it is back.
TEST_F(Classroom, TheServerAwayIsSaidAtSignInAndADrillFinishedMeanwhileArrives)
{
    LabPc pc(newPc(QStringLiteral("A")), QStringLiteral("07/12/2026"));
    ASSERT_TRUE(pc.signIn(QStringLiteral("Eva"), QStringLiteral("1234"), true).has_value());
    ASSERT_TRUE(PostgresServer::shared().stop());
    pc.open(QStringLiteral("Eva"));
    pc.drill();
    const QString away = GeneralItems::text({}, GeneralItems::ServerAwayDuringSession);
    EXPECT_EQ(pc.recording.dialogs.messages.constFirst(), away);
    pc.drill();
    EXPECT_EQ(pc.recording.dialogs.messages.count(away), 1) << "told once";
    pc.leave();

    LabPc other(newPc(QStringLiteral("B")), QStringLiteral("07/12/2026"));
    other.recording.dialogs.answer = true;
    EXPECT_EQ(other.signIn(QStringLiteral("Eva"), QStringLiteral("1234"), false), QString());
    EXPECT_EQ(other.recording.dialogs.questions, QStringList {GeneralItems::text({}, GeneralItems::ServerAway)});

    ASSERT_TRUE(PostgresServer::shared().start());
    ASSERT_EQ(pc.signIn(QStringLiteral("Eva"), QStringLiteral("1234"), false), QStringLiteral("Eva"));
    const auto statistics = pc.store->statistics(QStringLiteral("Eva"));
    EXPECT_EQ(statistics->drills().size(), 2);
    const QList<QByteArray> history = pc.store->history(QStringLiteral("Eva"))->load().documents;
    // The registration line, the date line, the two drills.
    EXPECT_EQ(history.size(), 4);
}

} // namespace
