// What one right key costs up to the screen: the key handled and everything the window repaints
// for it, as during a drill (the exercise pane in front, a learner's 50,000-line history behind
// it in the echo pane). Besides the times it counts the widgets painted per key and the pixels
// they paint, the exercise pane's apart, and times the key to the end of the pane's own paint:
// the judged character is what the learner waits for, so it should come before any other.
#include "AppFolder.h"
#include "Cp1252.h"
#include "DrillSequencer.h"
#include "MainWindow.h"
#include "RecordingPlatform.h"
#include "RichTextPane.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPaintEvent>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{

// Counts, application-wide, the paint events and the pixels they cover, and notes when the
// exercise pane has finished painting the judged character.
class PaintCensus : public QObject
{
public:
    explicit PaintCensus(const QWidget *pane)
        : pane(pane)
    {
        qApp->installEventFilter(this);
    }
    ~PaintCensus() override
    {
        qApp->removeEventFilter(this);
    }
    qint64 widgets = 0;
    qint64 pixels = 0;
    qint64 panePixels = 0;
    // Of the widgets painted, those painted before the pane on the same key.
    qint64 widgetsBeforePane = 0;
    // When the pane's paint of the current key began and ended, on the key's timer; -1 before.
    qint64 paneStartNs = -1;
    qint64 paneDoneNs = -1;
    const QElapsedTimer *keyTimer = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint || delivering) {
            return false;
        }
        qint64 area = 0;
        for (const QRect &rect : static_cast<QPaintEvent *>(event)->region()) {
            area += qint64(rect.width()) * rect.height();
        }
        ++widgets;
        pixels += area;
        // The pane paints its text in its viewport.
        if (watched->parent() != pane) {
            widgetsBeforePane += paneDoneNs < 0 ? 1 : 0;
            return false;
        }
        panePixels += area;
        if (paneStartNs < 0) {
            paneStartNs = keyTimer->nsecsElapsed();
        }
        // The paint is delivered from here, so that its end can be timed.
        delivering = true;
        QApplication::sendEvent(watched, event);
        delivering = false;
        if (paneDoneNs < 0) {
            paneDoneNs = keyTimer->nsecsElapsed();
        }
        return true;
    }

private:
    const QWidget *pane;
    bool delivering = false;
};

double percentile(std::vector<double> samples, double fraction)
{
    std::sort(samples.begin(), samples.end());
    return samples[static_cast<std::size_t>(fraction * (samples.size() - 1))];
}

void BM_RightKeyUpToTheScreen(benchmark::State &state)
{
    AppFolder folder;
    folder.writeLanguageFiles(QStringLiteral("Castellano"));
    QString exercise;
    while (exercise.size() < 20'000) {
        exercise += QStringLiteral("fj j f j f f fj f fj fj ffj f fjf f f jj f fj jf jf fj jfj fjf\r\n");
    }
    exercise.chop(2);
    folder.writeBytes(QStringLiteral("Ejercicios/Castellano/A/1.txt"), Cp1252::encode(exercise));
    RecordingPlatform recording {folder.path()};
    MainWindow window(recording.platform, QString());
    window.show();
    const MainWindowControls &c = window.controls();
    const QString resultLine = QStringLiteral(
        " ** 187(p/m) - 61 s. - 2(Err.) - 190(c.) ** - Castellano\\01 Fila central\\4 - Precisión 98 %\n");
    c.echoPane->setText(resultLine.repeated(50'000));
    const DrillModel &drill = window.drill();
    window.drillSequencer().startDrill();
    QApplication::processEvents();

    std::vector<double> microseconds;
    std::vector<double> toPane;
    std::vector<double> paneStarts;
    QElapsedTimer timer;
    PaintCensus census(c.exercisePane);
    census.keyTimer = &timer;
    for (auto _ : state) {
        if (drill.position() >= drill.text().size() - 1) {
            state.PauseTiming();
            window.drillSequencer().startDrill();
            QApplication::processEvents();
            state.ResumeTiming();
        }
        const QChar next = drill.expected();
        const bool lineBreak = next == QLatin1Char('\r');
        QKeyEvent press(QEvent::KeyPress, lineBreak ? Qt::Key_Return : Qt::Key_unknown, Qt::NoModifier, QString(next));
        census.paneStartNs = -1;
        census.paneDoneNs = -1;
        timer.start();
        QApplication::sendEvent(c.exercisePane, &press);
        QApplication::processEvents();
        microseconds.push_back(timer.nsecsElapsed() / 1000.0);
        if (census.paneDoneNs >= 0) {
            toPane.push_back(census.paneDoneNs / 1000.0);
            paneStarts.push_back(census.paneStartNs / 1000.0);
        }
    }
    const double keys = static_cast<double>(state.iterations());
    state.counters["median_us"] = percentile(microseconds, 0.5);
    state.counters["p99_us"] = percentile(microseconds, 0.99);
    if (!toPane.empty()) {
        state.counters["pane_painted_median_us"] = percentile(toPane, 0.5);
        state.counters["pane_painted_p99_us"] = percentile(toPane, 0.99);
        state.counters["pane_paint_begins_median_us"] = percentile(paneStarts, 0.5);
    }
    state.counters["widgets_painted_per_key"] = census.widgets / keys;
    state.counters["widgets_before_pane_per_key"] = census.widgetsBeforePane / keys;
    state.counters["pixels_per_key"] = census.pixels / keys;
    state.counters["pane_pixels_per_key"] = census.panePixels / keys;
}
BENCHMARK(BM_RightKeyUpToTheScreen)->Iterations(3000)->Unit(benchmark::kMicrosecond);

} // namespace
