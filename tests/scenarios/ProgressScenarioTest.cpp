#include "TypingWindowFixture.h"

#include "DrillHistory.h"
#include "ErrorMap.h"
#include "KeyErrorRates.h"
#include "KeyboardWidget.h"
#include "MessageBoxDialogs.h"
#include "ProgressLink.h"
#include "ProgressWindow.h"
#include "RawConnection.h"
#include "StatsRecorder.h"
#include "StatsStore.h"
#include "StatsTexts.h"

#include <QDir>
#include <QHelpEvent>
#include <QTableWidget>
#include <QToolTip>

namespace
{

const QString Unavailable = StatsTexts::builtIn().at(StatsTexts::StatsUnavailable);

// The colour the error map paints on a key's face: straight above the caption in the middle.
QColor faceColour(const ErrorMap &map, int key)
{
    const KeyboardWidget &keyboard = map.keyboard();
    const QRect r = keyboard.keyRect(key);
    return const_cast<KeyboardWidget &>(keyboard).grab().toImage().pixelColor(r.center().x(), r.top() + r.height() / 6);
}

// The key and mistake totals of a store, one "character right wrong" or "expected typed kind
// times" a row.
QStringList totalsOf(const StatsStore &store)
{
    QStringList rows;
    for (const KeyCount &key : store.keyTotals()) {
        rows << QStringLiteral("%1 %2 %3").arg(key.character).arg(key.right).arg(key.wrong);
    }
    for (const Mistake &mistake : store.mistakeTotals()) {
        rows << QStringLiteral("%1%2 %3 %4").arg(mistake.expected, mistake.typed).arg(mistake.kind).arg(mistake.times);
    }
    return rows;
}

} // namespace

class Progress : public TypingWindowFixture
{
protected:
    Progress()
    {
        folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("sal\ná"));
        folder.write(QStringLiteral("Ejercicios/Castellano/A/2.txt"), QStringLiteral("las alas"));
        folder.write(QStringLiteral("Ejercicios/Castellano/B/1.txt"), QStringLiteral("dedal falda lado sala"));
        folder.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana - historial\n"));
    }

    // The first exercise with an error planted before four of its characters.
    void typeFirstExerciseWithErrors()
    {
        const MainWindowControls &c = controls();
        c.startButton->click();
        Typing::type(c.exercisePane, QStringLiteral("dsAal\n"));
        Typing::compose(c.exercisePane, QStringLiteral("à"));
        Typing::compose(c.exercisePane, QStringLiteral("á"));
    }
};

TEST_F(Progress, AFinishedDrillIsRecordedWithEveryKeyAndTheKindOfEachError)
{
    open(QStringLiteral("ana"));
    typeFirstExerciseWithErrors();
    ASSERT_TRUE(window->drillState().DrillDone);

    // The error map: a key with errors is red, one without is green, one never typed is grey.
    ProgressLink *link = ProgressLink::attach(*window, recording.platform);
    ProgressWindow &progress = link->progressWindow();
    controls().progressButton->click();
    ASSERT_TRUE(progress.isVisible());
    EXPECT_EQ(faceColour(progress.errorMap(), 14), KeyErrorRates::tint(0.5)); // S
    EXPECT_EQ(faceColour(progress.errorMap(), 21), KeyErrorRates::tint(0)); // L
    EXPECT_EQ(faceColour(progress.errorMap(), 0), KeyErrorRates::noDataColour()); // Q
    EXPECT_EQ(faceColour(progress.errorMap(), KeyboardLayout::ShiftKey), KeyErrorRates::noDataColour());
    // Its tool tip gives the figures behind a key's colour.
    auto &keyboard = const_cast<KeyboardWidget &>(progress.errorMap().keyboard());
    const QPoint onS = keyboard.keyRect(14).center();
    QHelpEvent help(QEvent::ToolTip, onS, keyboard.mapToGlobal(onS));
    QApplication::sendEvent(&keyboard, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Pulsada: 2, Errores: 1 (50 %)"));
    EXPECT_EQ(progress.keyTable().rowCount(), 3);
    EXPECT_EQ(progress.lessonTable().item(0, 0)->text(), QStringLiteral("Castellano\\A"));

    // Exported as CSV files for a spreadsheet, and the learner is told where: the drill was
    // recorded with its exercise, moment and counts.
    const qsizetype messages = recording.dialogs.messages.size();
    link->exportStatistics();
    const QString exported = QStringLiteral("Estadisticas/Ana CSV/");
    // UTF-8 behind its byte-order mark, which spreadsheets need to read it as such.
    EXPECT_EQ(folder.read(exported + QStringLiteral("ejercicios.csv")),
        "\xEF\xBB\xBF"
        "fecha;ejercicio;segundos;p/m;correctas;err\xC3\xB3neas;precisi\xC3\xB3n %\r\n"
        "2025-12-06 10:30:00;Castellano\\A\\1;0;300;5;3;40\r\n");
    EXPECT_TRUE(folder.read(exported + QStringLiteral("teclas.csv")).contains("Intro;1;0;0\r\n"));
    EXPECT_TRUE(folder.read(exported + QStringLiteral("errores.csv")).contains("s;d;otra tecla;1\r\n"));
    ASSERT_EQ(recording.dialogs.messages.size(), messages + 1);
    EXPECT_TRUE(recording.dialogs.messages.last().endsWith(QStringLiteral("Ana CSV")));
    EXPECT_EQ(recording.dialogs.lastOwner, &progress);

    // Signing in again with other capitals finds the same statistics, keys and mistakes; the open
    // window follows.
    window.reset();
    open(QStringLiteral("ANA"));
    EXPECT_EQ(window->statistics().store().drills().size(), 1);
    typeFirstExerciseWithErrors();
    EXPECT_EQ(window->statistics().store().drills().size(), 2);
    // The mistakes are of the kinds the hints name: case, another key, acute accent.
    EXPECT_EQ(totalsOf(window->statistics().store()),
        QStringLiteral("\r 2 0|a 2 2|l 2 0|s 2 2|á 2 2|aA 0 2|sd 6 2|áà 1 2").split(u'|'));
    EXPECT_FALSE(recording.dialogs.messages.contains(Unavailable));
}

TEST_F(Progress, PractisingTheWeakKeysStartsADrillOfCourseWordsThatIsRecordedLikeAnyOther)
{
    folder.write(QStringLiteral("Usuarios/Eva"), QStringLiteral("Eva - historial\n"));
    // Drills of keys, and a lesson of sentences whose words carry their punctuation.
    folder.write(QStringLiteral("Ejercicios/Castellano/A/3.txt"), QStringLiteral("asdf fdsa jklñ"));
    folder.write(QStringLiteral("Ejercicios/Castellano/C Frases/1.txt"),
        QStringLiteral("¿Dedal? falda, lado; sala.\nGuardé el informe_final. «Sí», dedo."));
    {
        DrillRecord earlier;
        earlier.exercise = QStringLiteral("Castellano\\B\\1");
        earlier.keys = {
            {u'a', 90, 10}, {u'd', 20, 10}, {u'e', 25, 5}, {u'f', 15, 5}, {u'l', 30, 3}, {u's', 40, 1}, {u'o', 20, 0}};
        ASSERT_TRUE(StatsStore(folder.path() + QStringLiteral("/Estadisticas/Eva.sqlite")).record(earlier));
    }
    open(QStringLiteral("Eva"));
    ProgressLink *link = ProgressLink::attach(*window, recording.platform);
    controls().progressButton->click();
    link->progressWindow().practiceButton()->click();

    const MainWindowControls &c = controls();
    EXPECT_FALSE(link->progressWindow().isVisible());
    EXPECT_EQ(c.exerciseLabel->text(), QStringLiteral("Castellano\\Repaso\\1"));
    const QString text = window->drillState().TargetText;
    // Its shape is the exercise builder's; here its words come from the learner's lesson of
    // sentences, without their punctuation.
    const QStringList courseWords = QStringLiteral("Dedal falda lado sala Guardé el Sí dedo").split(u' ');
    for (const QString &word : QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).split(u' ')) {
        EXPECT_TRUE(courseWords.contains(word)) << qPrintable(word);
    }
    // d, f, e, a and l are the weakest; s and o are not weak enough to be sought.
    for (const QChar weak : {u'd', u'f', u'e', u'a', u'l'}) {
        EXPECT_TRUE(text.contains(weak)) << qPrintable(QString(weak));
    }

    ASSERT_TRUE(c.exercisePane->inputEnabled());
    Typing::type(c.exercisePane, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    ASSERT_TRUE(window->drillState().DrillDone);
    EXPECT_TRUE(c.echoPane->text().contains(QStringLiteral("Castellano\\Repaso\\1")));
    const QList<DrillRecord> drills = window->statistics().store().drills();
    ASSERT_EQ(drills.size(), 2);
    EXPECT_EQ(drills[1].exercise, QStringLiteral("Castellano\\Repaso\\1"));
    EXPECT_EQ(drills[1].wrong, 0);
    EXPECT_EQ(drills[1].right, text.size() - text.count(u'\n'));
}

TEST_F(Progress, WithTooLittleDataTheFirstLessonIsOffered)
{
    open();
    ProgressLink *link = ProgressLink::attach(*window, recording.platform);
    controls().lessonList->setCurrentRow(1);
    ASSERT_EQ(window->drillState().TargetText, QStringLiteral("dedal falda lado sala"));
    recording.dialogs.answer = false;
    controls().progressButton->click();
    link->progressWindow().practiceButton()->click();
    EXPECT_TRUE(link->progressWindow().isVisible());
    EXPECT_EQ(controls().lessonList->currentRow(), 1);
    recording.dialogs.questions.clear();
    recording.dialogs.answer = true;
    link->progressWindow().practiceButton()->click();
    EXPECT_FALSE(link->progressWindow().isVisible());
    EXPECT_EQ(recording.dialogs.questions, QStringList {StatsTexts::builtIn().at(StatsTexts::TooLittleData)});
    EXPECT_EQ(controls().lessonList->currentRow(), 0);
    EXPECT_EQ(window->drillState().TargetText, QStringLiteral("sal\r\ná"));
    EXPECT_TRUE(controls().exercisePane->inputEnabled());
    // An unregistered learner's statistics live for the run only.
    typeFirstExerciseWithErrors();
    EXPECT_EQ(window->statistics().store().drills().size(), 1);
    EXPECT_FALSE(QDir(folder.path() + QStringLiteral("/Estadisticas")).exists());
}

TEST_F(Progress, ACorruptOrLockedDatabaseIsReportedOnceAndTheDrillsGoOn)
{
    const QByteArray garbage = QByteArray("not a database at all ").repeated(100);
    folder.writeBytes(QStringLiteral("Estadisticas/Ana.sqlite"), garbage);
    open(QStringLiteral("Ana"));
    typeFirstExerciseWithErrors();
    advance();
    Typing::type(controls().exercisePane, QStringLiteral("las alas"));
    EXPECT_EQ(recording.dialogs.messages.count(Unavailable), 1);
    // The drills of this run are still shown; the file and the history are untouched by it.
    EXPECT_EQ(window->statistics().store().drills().size(), 2);
    EXPECT_EQ(folder.read(QStringLiteral("Estadisticas/Ana.sqlite")), garbage);
    EXPECT_TRUE(window->drillHistory().saveHistory());
    EXPECT_TRUE(folder.read(QStringLiteral("Usuarios/Ana")).startsWith("{\\rtf1"));

    folder.write(QStringLiteral("Usuarios/Mar"), QStringLiteral("Mar - historial\n"));
    recording.dialogs.messages.clear();
    open(QStringLiteral("Mar"));
    const QString path = folder.path() + QStringLiteral("/Estadisticas/Mar.sqlite");
    {
        RawConnection other(path);
        ASSERT_TRUE(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        typeFirstExerciseWithErrors();
        advance();
        EXPECT_EQ(recording.dialogs.messages.count(Unavailable), 1);
        EXPECT_TRUE(controls().exercisePane->inputEnabled());
        other.exec(QStringLiteral("ROLLBACK"));
    }
    // Once the other program lets go, the next drill is recorded again, without a second message.
    Typing::type(controls().exercisePane, QStringLiteral("las alas"));
    EXPECT_EQ(window->statistics().store().drills().size(), 1);
    EXPECT_EQ(recording.dialogs.messages.count(Unavailable), 1);
}
