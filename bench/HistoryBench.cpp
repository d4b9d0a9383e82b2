// How fast a learner's history comes and goes: a 10 MB history loaded into the history pane with
// the run's date line, saved at the exit, and the whole way from the sign-in button to the
// typing window on screen with that history.
#include "AppFolder.h"
#include "DrillHistory.h"
#include "MainWindow.h"
#include "RecordingPlatform.h"
#include "RichTextPane.h"
#include "SampleHistory.h"
#include "SignInWindow.h"
#include "StartWindow.h"
#include "WindowSequence.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{

constexpr qint64 HistoryBytes = 10 * 1024 * 1024;

// An application folder holding the learner Luis (clave 1000) with a 10 MB history.
struct LearnerFolder {
    LearnerFolder()
    {
        folder.writeLanguageFiles(QStringLiteral("Castellano"));
        folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("jf jf"));
        folder.write(QStringLiteral("Claves/Luisclave"), QStringLiteral("1000"));
        folder.makeFolder(QStringLiteral("Usuarios"));
        RichTextPane pane;
        // Grows the history in steps until it is 10 MB, as saved.
        while (QFileInfo(historyPath()).size() < HistoryBytes) {
            SampleHistory::appendDrills(*pane.document(), 5000);
            pane.saveFile(historyPath());
        }
        drills = pane.document()->blockCount() - 1;
    }
    QString historyPath() const
    {
        return folder.path() + QStringLiteral("/Usuarios/Luis");
    }
    AppFolder folder;
    int drills = 0;
};

LearnerFolder &learner()
{
    static LearnerFolder folder;
    return folder;
}

void reportHistory(benchmark::State &state)
{
    state.counters["history_MB"] = static_cast<double>(QFileInfo(learner().historyPath()).size()) / (1024 * 1024);
    state.counters["result_lines"] = learner().drills;
}

void BM_LoadUserHistoryOfTenMegabytes(benchmark::State &state)
{
    RecordingPlatform recording(learner().folder.path());
    MainWindow window(recording.platform, QStringLiteral("Luis"));
    for (auto _ : state) {
        // At start-up the pane is empty: emptying it is not part of the load.
        state.PauseTiming();
        window.controls().echoPane->setText(QString());
        state.ResumeTiming();
        window.drillHistory().load(QStringLiteral("06/12/2026"));
    }
    reportHistory(state);
}
BENCHMARK(BM_LoadUserHistoryOfTenMegabytes)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_SaveHistoryOfTenMegabytes(benchmark::State &state)
{
    RecordingPlatform recording(learner().folder.path());
    MainWindow window(recording.platform, QStringLiteral("Luis"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.drillHistory().save());
    }
    reportHistory(state);
}
BENCHMARK(BM_SaveHistoryOfTenMegabytes)->Iterations(5)->Unit(benchmark::kMillisecond);

// From the click on "Aceptar" to the typing window shown and painted with the history.
void BM_SignInToTypingWindowWithTenMegabytes(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        RecordingPlatform recording(learner().folder.path());
        auto windows = std::make_unique<WindowSequence>(recording.platform);
        windows->start();
        // The start-up window builds its parts once it is on its way to the screen.
        QApplication::processEvents();
        QTest::mouseClick(windows->startWindow()->findChild<QLabel *>(QStringLiteral("picture")), Qt::LeftButton);
        const SignInWindow::Controls &c = windows->signInWindow()->controls();
        c.nameField->setText(QStringLiteral("luis"));
        QApplication::processEvents();
        state.ResumeTiming();

        c.signInButton->click();
        QApplication::processEvents();
        benchmark::DoNotOptimize(windows->typingWindow()->isVisible());

        state.PauseTiming();
        windows.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    reportHistory(state);
}
BENCHMARK(BM_SignInToTypingWindowWithTenMegabytes)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
