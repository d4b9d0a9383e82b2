#include "TypingWindowFixture.h"

#include "ExamDialog.h"
#include "ExamSession.h"
#include "ProgressLink.h"
#include "ProgressWindow.h"
#include "SignInWindow.h"
#include "StartWindow.h"
#include "StatsRecorder.h"
#include "StatsStore.h"
#include "WindowSequence.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QProcess>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextBlock>

namespace
{

// The text of a PDF as poppler reads it back; empty when pdftotext is not installed.
QString pdfText(const QString &path)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        return QString();
    }
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class ExamScenario : public TypingWindowFixture
{
protected:
    ExamScenario()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("hola"));
        folder.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana - historial\n"));
        const QDir placeholders(QStringLiteral(TECLORA_EXAM_TEXTS "/Castellano"));
        folder.makeFolder(QStringLiteral("Examenes/Castellano"));
        for (const QString &file : placeholders.entryList(QDir::Files)) {
            QFile::copy(placeholders.filePath(file), folder.path() + QStringLiteral("/Examenes/Castellano/") + file);
        }
    }

    ExamSession &openWithExams(const QString &learner)
    {
        open(learner);
        return *ExamSession::attach(*window, recording.platform);
    }

    // The clock moves on, and the countdown looks at it.
    void wait(ExamSession &session, int msecs)
    {
        recording.clock.moment = recording.clock.moment.addMSecs(msecs);
        session.exam().onTick();
        Typing::deliverLaterCalls();
    }

    RichTextPane *pane() const
    {
        return controls().exercisePane;
    }
};

TEST_F(ExamScenario, ATestChosenInTheDialogEndsAtTimeWithTheFiguresTheHistoryTheStatisticsAndTheCertificate)
{
    ExamSession &session = openWithExams(QStringLiteral("Ana"));
    controls().examButton->click();
    ExamDialog *dialog = session.dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->textList().itemText(0), QStringLiteral("Ejercicio actual: Castellano\\01 Uno\\1"));
    EXPECT_EQ(dialog->textList().itemText(1), QStringLiteral("1 La feria"));
    EXPECT_EQ(dialog->textList().itemText(2), QStringLiteral("2 El recibo"));
    EXPECT_EQ(dialog->penaltyField().value(), 10);
    dialog->minuteButtons().button(1)->click();
    dialog->textList().setCurrentIndex(1);
    dialog->penaltyField().setValue(5);
    dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();

    EXPECT_TRUE(pane()->text().startsWith(QStringLiteral("El 3 de mayo de 2024 abrió")));
    EXPECT_TRUE(pane()->inputEnabled());
    EXPECT_EQ(controls().timeLabel->text(), QStringLiteral("1:00"));
    EXPECT_EQ(window->learnerSettings().examPenalty(), 5);
    // Waiting before the first key costs nothing.
    wait(session, 20'000);
    EXPECT_EQ(controls().timeLabel->text(), QStringLiteral("1:00"));

    // 13 keys, 2 of them wrong (a small e, a 4 for the 3).
    Typing::type(pane(), QStringLiteral("eEl 43 de m"));
    wait(session, 30'000);
    EXPECT_EQ(controls().timeLabel->text(), QStringLiteral("0:30"));
    EXPECT_EQ(controls().speedLabel->text(), QStringLiteral("22 (p/m)"));
    EXPECT_EQ(controls().accuracyLabel->text(), QStringLiteral("Precision 81 %"));
    Typing::type(pane(), QStringLiteral("ay"));
    wait(session, 29'500);
    EXPECT_EQ(controls().timeLabel->text(), QStringLiteral("0:01"));
    wait(session, 500);
    EXPECT_FALSE(pane()->inputEnabled());
    // Keys after the end count for nothing.
    Typing::type(pane(), QStringLiteral("o de"));

    // 13 keys in one minute, 2 errors at 5 keystrokes each: 13 gross, 3 net, 84 % right.
    const QString line = QStringLiteral("Examen 1 min: 13(p/m) - 2(Err.) - 3(p/m) netas - Precision 84 % - 60 s. - "
                                        "Castellano\\Examenes\\1 La feria");
    EXPECT_TRUE(controls().echoPane->text().contains(line + QStringLiteral("\r\n")))
        << controls().echoPane->text().toStdString();
    EXPECT_EQ(controls().speedLabel->text(), QStringLiteral("3(p/m)"));
    EXPECT_EQ(controls().timeLabel->text(), QStringLiteral("60 s."));
    EXPECT_EQ(controls().accuracyLabel->text(), QStringLiteral("Precision 84 %"));

    const QList<ExamRecord> exams = window->statistics().store().exams();
    ASSERT_EQ(exams.size(), 1);
    EXPECT_EQ(exams[0].text, QStringLiteral("Castellano\\Examenes\\1 La feria"));
    EXPECT_EQ((QList<qint64> {exams[0].minutes, exams[0].seconds, exams[0].penalty, exams[0].keystrokes,
                  exams[0].errors, exams[0].gross, exams[0].net, exams[0].accuracy}),
        (QList<qint64> {1, 60, 5, 13, 2, 13, 3, 84}));
    EXPECT_TRUE(window->statistics().store().drills().isEmpty()) << "a test is not a drill";
    // Its keys count for the weak keys and the error map as a drill's do.
    const QList<KeyCount> keys = window->statistics().store().keyTotals();
    const auto three = std::find_if(keys.begin(), keys.end(), [](const KeyCount &key) {
        return key.character == QLatin1Char('3');
    });
    ASSERT_NE(three, keys.end());
    EXPECT_EQ(three->right, 1);
    EXPECT_EQ(three->wrong, 1);
    EXPECT_EQ(window->statistics().store().mistakeTotals().size(), 2);
    ProgressWindow &progress = ProgressLink::attach(*window, recording.platform)->progressWindow();
    progress.refresh();
    EXPECT_EQ(progress.examSummary().text(),
        QStringLiteral("Exámenes: 1    Mejor: 3 netas (p/m)    Último: 3 netas (p/m), 1 min"));

    ASSERT_EQ(recording.launcher.opened.size(), 1);
    const QString certificate = recording.launcher.opened.constFirst();
    EXPECT_EQ(certificate, folder.path() + QStringLiteral("/Informes/Examen Ana 2025-12-06 10-31-20.pdf"));
    EXPECT_TRUE(recording.dialogs.messages.isEmpty());
    const QString pdf = pdfText(certificate);
    if (pdf.isEmpty()) {
        GTEST_SKIP() << "pdftotext (Debian's poppler-utils) is not installed: the certificate's text is unchecked";
    }
    for (const QString &expected :
        {QStringLiteral("Ana"), QStringLiteral("6 de diciembre de 2025, 10:31"), QStringLiteral("1 min (60 s. usados)"),
            QStringLiteral("La feria"), QStringLiteral("13 p/m"), QStringLiteral("2 (cada uno resta 5 pulsaciones)"),
            QStringLiteral("3 p/m"), QStringLiteral("84 %"), QStringLiteral("E[e]l 3[4] de may")}) {
        EXPECT_TRUE(pdf.simplified().contains(expected)) << expected.toStdString() << "\n" << pdf.toStdString();
    }
}

TEST_F(ExamScenario, ALongTextStaysInViewAndEndsTheTestWhenDoneAndWithoutAViewerThePathIsSaid)
{
    QString longText;
    for (int line = 1; line <= 24; ++line) {
        longText += QStringLiteral("Línea %1: el tejado costó 1.275,40 € y lo pagó Ángel en febrero.\n").arg(line);
    }
    longText.chop(1);
    ASSERT_GE(longText.size(), 1500);
    folder.write(QStringLiteral("Examenes/Castellano/3 Largo.txt"), longText);
    recording.launcher.starts = false;
    ExamSession &session = openWithExams(QString());
    window->resize(1024, 700);
    window->show();
    controls().examButton->click();
    session.dialog()->minuteButtons().button(10)->click();
    session.dialog()->textList().setCurrentIndex(3);
    session.dialog()->accept();

    const QStringList lines = longText.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        Typing::type(pane(), line + (&line == &lines.constLast() ? QString() : QStringLiteral("\n")));
        recording.clock.moment = recording.clock.moment.addSecs(4);
        // The caret, before the next character, is inside the pane.
        EXPECT_TRUE(pane()->viewport()->rect().contains(pane()->cursorRect().center())) << line.toStdString();
    }
    Typing::deliverLaterCalls();
    EXPECT_EQ(session.exam().state(), ExamModel::State::Over);
    // Every character and Enter right, in 92 seconds (the last step of the clock came after the text).
    const qint64 keys = longText.size();
    EXPECT_EQ(session.exam().figures().keystrokes, keys);
    EXPECT_EQ(session.exam().figures().secondsUsed, 92);
    EXPECT_TRUE(controls().echoPane->text().contains(
        QStringLiteral("Examen 10 min: %1(p/m) - 0(Err.) - %1(p/m) netas").arg(qRound(keys * 60.0 / 92))));
    ASSERT_EQ(recording.dialogs.messages.size(), 1);
    const QString path = folder.path() + QStringLiteral("/Informes/Examen sin registrar 2025-12-06 10-31-32.pdf");
    EXPECT_EQ(recording.dialogs.messages[0],
        QStringLiteral("El certificado del examen está en ") + path
            + QStringLiteral(" (no hay ningún programa para abrir archivos PDF)."));
    const QString pdf = pdfText(path);
    if (pdf.isEmpty()) {
        GTEST_SKIP() << "pdftotext (Debian's poppler-utils) is not installed: the certificate's text is unchecked";
    }
    EXPECT_TRUE(pdf.contains(QStringLiteral("sin registrar")));
    // The whole text on one page, in smaller type.
    EXPECT_TRUE(pdf.contains(QStringLiteral("Línea 24: el tejado")));
    EXPECT_EQ(pdf.count(QLatin1Char('\f')), 1);
}

// Opens the start-up window of windows and goes on unregistered.
void signInUnregistered(WindowSequence &windows)
{
    windows.start();
    const auto picture = [&windows] {
        return windows.startWindow()->findChild<QWidget *>(QStringLiteral("picture"));
    };
    ASSERT_TRUE(QTest::qWaitFor([&picture] {
        return picture() != nullptr;
    }));
    QTest::mouseClick(picture(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    windows.signInWindow()->controls().modeButtons[SignInWindow::UnregisteredMode]->click();
    ASSERT_NE(windows.typingWindow(), nullptr);
}

TEST_F(ExamScenario, TheTestAskedForAtStartUpIsReadyAfterSignInOnTheFirstTestTextWithThePaneFocused)
{
    WindowSequence windows(recording.platform);
    windows.openAfterSignIn(3, QString());
    ASSERT_NO_FATAL_FAILURE(signInUnregistered(windows));
    const ExamModel &exam = windows.examSession()->exam();
    EXPECT_EQ(exam.state(), ExamModel::State::Ready);
    EXPECT_EQ(exam.minutes(), 3);
    const MainWindowControls &c = windows.typingWindow()->controls();
    EXPECT_EQ(c.exerciseLabel->text(), QStringLiteral("Castellano\\Examenes\\1 La feria"));
    EXPECT_EQ(c.timeLabel->text(), QStringLiteral("3:00"));
    EXPECT_TRUE(c.exercisePane->inputEnabled());
    EXPECT_EQ(windows.typingWindow()->focusWidget(), c.exercisePane);
    // Start begins an ordinary drill instead: the test is given up.
    c.startButton->click();
    EXPECT_EQ(exam.state(), ExamModel::State::Idle);
    EXPECT_FALSE(windows.typingWindow()->drill().isTimed());
}

TEST_F(ExamScenario, ATestAskedForOnAFileRunsOnTheWholeTextOfThatFile)
{
    folder.writeBytes(QStringLiteral("Carta.txt"),
        "\xEF\xBB\xBFQuerida Ana:\r\n\r\nTe escribo \xE2\x80\x9C"
        "desde casa\xE2\x80\x9D.\r\n");
    const QString file = folder.path() + QStringLiteral("/Carta.txt");
    WindowSequence windows(recording.platform);
    windows.openAfterSignIn(5, file);
    ASSERT_NO_FATAL_FAILURE(signInUnregistered(windows));
    const ExamModel &exam = windows.examSession()->exam();
    EXPECT_EQ(exam.state(), ExamModel::State::Ready);
    EXPECT_EQ(exam.minutes(), 5);
    const DrillModel &drill = windows.typingWindow()->drill();
    EXPECT_EQ(drill.title(), QStringLiteral("Carta"));
    EXPECT_EQ(drill.text(), QStringLiteral("Querida Ana:\r\nTe escribo \"desde casa\"."));
    // The typographic quotes were made typable, and the learner is told.
    EXPECT_EQ(recording.dialogs.messages.size(), 1);
}
