// How fast the typing window answers: one right key through the real panes, loading a large
// exercise, starting a drill on a long text.
#include "AppFolder.h"
#include "Cp1252.h"
#include "DrillSequencer.h"
#include "ExerciseCatalogue.h"
#include "MainWindow.h"
#include "RecordingPlatform.h"
#include "RichTextPane.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{

// Lines of natural length, as the exercises have, until the text is size characters long.
QString exerciseText(int size)
{
    const QString line = QStringLiteral("La cigüeña vuela sobre el río, ¿verdad? Ñandú");
    QString text;
    while (text.size() < size) {
        text += line + QStringLiteral("\r\n");
    }
    text.truncate(size);
    if (text.endsWith(QLatin1Char('\r'))) {
        text.back() = QLatin1Char('x');
    }
    return text;
}

struct Window {
    explicit Window(int exerciseSize)
    {
        folder.writeLanguageFiles(QStringLiteral("Castellano"));
        folder.writeBytes(QStringLiteral("Ejercicios/Castellano/A/1.txt"), Cp1252::encode(exerciseText(exerciseSize)));
        window = std::make_unique<MainWindow>(recording.platform, QString());
        window->show();
        QApplication::processEvents();
    }
    AppFolder folder;
    RecordingPlatform recording {folder.path()};
    std::unique_ptr<MainWindow> window;
};

void sendKey(QWidget *pane, QChar character)
{
    const bool lineBreak = character == QLatin1Char('\r');
    QKeyEvent press(QEvent::KeyPress, lineBreak ? Qt::Key_Return : Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(pane, &press);
}

double percentile(std::vector<double> samples, double fraction)
{
    std::sort(samples.begin(), samples.end());
    return samples[static_cast<std::size_t>(fraction * (samples.size() - 1))];
}

void BM_RightKeyWithLongHistory(benchmark::State &state)
{
    Window w(20'000);
    const MainWindowControls &c = w.window->controls();
    QString history;
    const QString resultLine = QStringLiteral(
        " ** 187(p/m) - 61 s. - 2(Err.) - 190(c.) ** - Castellano\\01 Fila central\\4 - Precisión 98 %\n");
    for (int i = 0; i < 50'000; ++i) {
        history += resultLine;
    }
    c.echoPane->setText(history);
    c.echoPane->show();
    const DrillModel &drill = w.window->drill();
    w.window->drillSequencer().startDrill();
    QApplication::processEvents();

    std::vector<double> microseconds;
    std::vector<double> handling;
    QElapsedTimer timer;
    for (auto _ : state) {
        if (drill.position() >= drill.text().size() - 1) {
            state.PauseTiming();
            w.window->drillSequencer().startDrill();
            QApplication::processEvents();
            state.ResumeTiming();
        }
        timer.start();
        sendKey(c.exercisePane, drill.expected());
        handling.push_back(timer.nsecsElapsed() / 1000.0);
        // The key's colours and echo reach the screen.
        QApplication::processEvents();
        microseconds.push_back(timer.nsecsElapsed() / 1000.0);
    }
    state.counters["median_us"] = percentile(microseconds, 0.5);
    state.counters["p99_us"] = percentile(microseconds, 0.99);
    state.counters["handling_median_us"] = percentile(handling, 0.5);
    state.counters["handling_p99_us"] = percentile(handling, 0.99);
}
BENCHMARK(BM_RightKeyWithLongHistory)->Iterations(5000)->Unit(benchmark::kMicrosecond);

void BM_LoadExerciseOfOneMegabyte(benchmark::State &state)
{
    Window w(1'000'000);
    ExerciseCatalogue *catalogue = w.window->findChild<ExerciseCatalogue *>();
    for (auto _ : state) {
        catalogue->loadExercise();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_LoadExerciseOfOneMegabyte)->Unit(benchmark::kMillisecond);

void BM_StartDrillOn20000Characters(benchmark::State &state)
{
    Window w(20'000);
    for (auto _ : state) {
        w.window->drillSequencer().startDrill();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StartDrillOn20000Characters)->Unit(benchmark::kMillisecond);

} // namespace
