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
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

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
QStringList totalsOf(const LearnerStatistics &store)
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
    ASSERT_FALSE(window->drill().isRunning());

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
    const QString text = window->drill().text();
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
    ASSERT_FALSE(window->drill().isRunning());
    EXPECT_TRUE(c.echoPane->text().contains(QStringLiteral("Castellano\\Repaso\\1")));
    const QList<DrillRecord> drills = window->statistics().store().drills();
    ASSERT_EQ(drills.size(), 2);
    EXPECT_EQ(drills[1].exercise, QStringLiteral("Castellano\\Repaso\\1"));
    EXPECT_EQ(drills[1].wrong, 0);
    EXPECT_EQ(drills[1].right, text.size() - text.count(u'\n'));
    // The course goes on where the learner left it, not one exercise past it.
    advance();
    EXPECT_EQ(c.exerciseLabel->text(), QStringLiteral("Castellano\\A\\1"));
}

TEST_F(Progress, WithTooLittleDataTheFirstLessonIsOffered)
{
    open();
    ProgressLink *link = ProgressLink::attach(*window, recording.platform);
    controls().lessonList->setCurrentRow(1);
    ASSERT_EQ(window->drill().text(), QStringLiteral("dedal falda lado sala"));
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
    EXPECT_EQ(window->drill().text(), QStringLiteral("sal\r\ná"));
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
    EXPECT_TRUE(window->drillHistory().save());
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

// A drill with more wrong keystrokes than right ones has a negative accuracy; the progress window
// and the export show the figure the result line showed, not another one.
TEST_F(Progress, ADrillShowsOneAccuracyInTheResultLineTheProgressWindowAndTheExport)
{
    open(QStringLiteral("Ana"));
    controls().startButton->click();
    Typing::type(controls().exercisePane, QStringLiteral("ddddddddsal\n"));
    Typing::compose(controls().exercisePane, QStringLiteral("á"));
    ASSERT_FALSE(window->drill().isRunning());
    EXPECT_TRUE(controls().echoPane->text().endsWith(QStringLiteral("Castellano\\A\\1 - Precision -60 %\r\n")));

    ProgressLink *link = ProgressLink::attach(*window, recording.platform);
    ProgressWindow &progress = link->progressWindow();
    controls().progressButton->click();
    EXPECT_EQ(progress.lessonTable().item(0, 4)->text(), QStringLiteral("-60 %"));
    const QString chartTitle = StatsTexts::builtIn().at(StatsTexts::ChartTitle);
    const QList<QLabel *> labels = progress.findChildren<QLabel *>();
    const auto summary = std::find_if(labels.cbegin(), labels.cend(), [&](const QLabel *label) {
        return label->accessibleDescription() == chartTitle;
    });
    ASSERT_NE(summary, labels.cend());
    EXPECT_TRUE((*summary)->text().endsWith(QStringLiteral("Precisión media: -60 %")))
        << qPrintable((*summary)->text());
    link->exportStatistics();
    EXPECT_TRUE(folder.read(QStringLiteral("Estadisticas/Ana CSV/ejercicios.csv")).endsWith(";5;8;-60\r\n"));
}

// The export's message belongs to the progress window: the typing window behind stays behind, and
// the keys go back to the progress window when the box is closed.
TEST_F(Progress, TheExportsMessageIsOverTheProgressWindowAndGivesItBackTheKeys)
{
    open(QStringLiteral("Ana"));
    window->show();
    MessageBoxDialogs boxes;
    // As the program has it: message boxes belong to the typing window, in front of the others.
    boxes.setParentWindow(window.get());
    const Platform &recorded = recording.platform;
    const Platform withBoxes {
        recorded.appDir, recorded.userDir, recorded.sound, boxes, recorded.clock, recorded.launcher, recorded.learners};
    ProgressLink *link = ProgressLink::attach(*window, withBoxes);
    ProgressWindow &progress = link->progressWindow();
    controls().progressButton->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&progress));

    QWidget *boxOwner = nullptr;
    QTimer::singleShot(0, &progress, [&] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        boxOwner = box->parentWidget();
        QTest::keyClick(box, Qt::Key_Return);
    });
    progress.exportButton()->click();
    EXPECT_EQ(boxOwner, &progress);
}

namespace
{

std::string describe(const QRect &r)
{
    return QStringLiteral("%1 x %2 at (%3, %4)").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y()).toStdString();
}

// The screen a child process runs on, as "width x height at scale", and what it must show there.
const char *const ScreenVariable = "TECLORA_PROGRESS_SCREEN";

} // namespace

// Runs in a process of its own on the screen ProgressWindowFit gives it: a scale is set before the
// application starts.
TEST_F(Progress, FitsTheScreenItIsOn)
{
    const QString expected = qEnvironmentVariable(ScreenVariable);
    if (expected.isEmpty()) {
        GTEST_SKIP() << "run by ProgressWindowFit on a screen of its own";
    }
    folder.write(QStringLiteral("Usuarios/Eva"), QStringLiteral("Eva - historial\n"));
    {
        // Six lessons and six keys with errors: more rows than each table must show.
        StatsStore store(folder.path() + QStringLiteral("/Estadisticas/Eva.sqlite"));
        for (int lesson = 1; lesson <= 6; ++lesson) {
            DrillRecord drill;
            drill.exercise = QStringLiteral("Castellano\\Lección %1\\1").arg(lesson);
            drill.speed = 100 + lesson * 10;
            drill.accuracy = 90;
            drill.keys = {{QChar(u'a' + lesson), 30, lesson}};
            ASSERT_TRUE(store.record(drill));
        }
    }
    open(QStringLiteral("Eva"));
    ProgressLink *link = ProgressLink::attach(*window, recording.platform);
    ProgressWindow &progress = link->progressWindow();
    controls().progressButton->click();
    QApplication::processEvents();

    const QScreen &screen = *progress.screen();
    ASSERT_EQ(QStringLiteral("%1 x %2 at %3")
                  .arg(screen.geometry().width() * screen.devicePixelRatio())
                  .arg(screen.geometry().height() * screen.devicePixelRatio())
                  .arg(screen.devicePixelRatio()),
        expected);
    EXPECT_TRUE(screen.availableGeometry().contains(progress.frameGeometry()))
        << describe(progress.frameGeometry()) << " on " << describe(screen.availableGeometry());
    for (const QTableWidget *table : {&progress.lessonTable(), &progress.keyTable()}) {
        ASSERT_GE(table->rowCount(), 5);
        EXPECT_LE(table->visualRect(table->model()->index(4, 0)).bottom(), table->viewport()->height())
            << qPrintable(table->accessibleName());
    }
    // The error map is whole, and whatever the window cannot show at once scrolls into view.
    const QScrollArea &scroller = progress.scrollArea();
    const QWidget &content = *scroller.widget();
    const QWidget &map = progress.errorMap();
    EXPECT_TRUE(content.rect().contains(QRect(map.mapTo(&content, QPoint()), map.size())));
    EXPECT_EQ(scroller.verticalScrollBar()->maximum(), std::max(0, content.height() - scroller.viewport()->height()));
    EXPECT_EQ(scroller.horizontalScrollBar()->maximum(), std::max(0, content.width() - scroller.viewport()->width()));
}

TEST(ProgressWindowFit, TheWindowFitsTheScreenAtAnyScaleWithFiveRowsOfEachTable)
{
    const struct {
        int width;
        int height;
        int scale;
    } screens[] = {{1920, 1080, 2}, {1366, 768, 1}, {1920, 1080, 1}, {1280, 720, 2}};
    const QTemporaryDir dir;
    for (const auto &screen : screens) {
        const QString config = dir.filePath(QStringLiteral("screen%1x%2.json").arg(screen.width).arg(screen.scale));
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("{\"screens\": [{\"name\": \"screen\", \"x\": 0, \"y\": 0, \"width\": %1, "
                                  "\"height\": %2, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                       .arg(screen.width)
                       .arg(screen.height)
                       .toUtf8());
        file.close();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(screen.scale));
        const QString expected = QStringLiteral("%1 x %2 at %3").arg(screen.width).arg(screen.height).arg(screen.scale);
        environment.insert(QString::fromLatin1(ScreenVariable), expected);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(
            QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=Progress.FitsTheScreenItIsOn")});
        ASSERT_TRUE(child.waitForFinished(60000)) << qPrintable(expected);
        const QString output = QString::fromUtf8(child.readAll());
        EXPECT_TRUE(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0
            && output.contains(QStringLiteral("[  PASSED  ] 1 test.")))
            << qPrintable(expected) << '\n'
            << qPrintable(output);
    }
}
