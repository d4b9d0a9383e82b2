// How fast the statistics are: recording a finished drill, opening the progress window over a
// long practice, and building a weak-key exercise from a large course.
#include "AppFolder.h"
#include "CourseWords.h"
#include "DrillModel.h"
#include "DrillSequencer.h"
#include "MainWindow.h"
#include "ProgressWindow.h"
#include "RecordingPlatform.h"
#include "StatsRecorder.h"
#include "StatsStore.h"
#include "WeakKeyExercise.h"
#include "WeakKeys.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{

// 100 characters of the course: ASCII signs, digits and letters, then accented letters.
QChar character(int i)
{
    static const QString set = QStringLiteral("!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
                                              "abcdefghijklmnopqrstuvwxyz{|}~áéíóúñç");
    return set.at(i % set.size());
}

// A drill of the size of a real one: 40 characters, a few of them mistyped.
DrillRecord drill(int n)
{
    DrillRecord record;
    record.finished = QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(qint64(n) * 600).toString(Qt::ISODate);
    record.exercise = QStringLiteral("Castellano\\%1 Lección\\%2").arg(n % 19 + 1).arg(n % 10 + 1);
    record.seconds = 60;
    record.speed = 100 + n % 150;
    record.right = 250;
    record.wrong = n % 12;
    record.accuracy = 100 - n % 12;
    for (int i = 0; i < 40; ++i) {
        record.keys.append({character(n * 7 + i), 6, i % 5 == 0 ? 1 : 0});
    }
    for (int i = 0; i < 8; ++i) {
        record.mistakes.append({character(n * 7 + i * 5), character(n + i), 6, 1});
    }
    return record;
}

void BM_RecordOneDrill(benchmark::State &state)
{
    AppFolder folder;
    StatsStore store(folder.path() + QStringLiteral("/Estadisticas/Ana.sqlite"));
    int n = 0;
    for (auto _ : state) {
        if (!store.record(drill(n++))) {
            state.SkipWithError("not recorded");
        }
    }
}
BENCHMARK(BM_RecordOneDrill)->Unit(benchmark::kMicrosecond);

// What the statistics add to every key: the model judges it and the recorder tallies it.
void BM_TallyOneKey(benchmark::State &state)
{
    AppFolder folder;
    folder.writeLanguageFiles(QStringLiteral("Castellano"));
    RecordingPlatform recording(folder.path());
    DrillModel drill;
    const StatsRecorder stats(drill, folder.path(), recording.folders, QString(), recording.dialogs, recording.clock);
    drill.setText(QStringLiteral("sal"), QString());
    drill.start();
    // Wrong keys, so that the drill never ends.
    const QChar keys[] = {u'd', u'x', QChar(u'ñ')};
    int i = 0;
    for (auto _ : state) {
        drill.judge(keys[i++ % 3]);
    }
}
BENCHMARK(BM_TallyOneKey);

void BM_OpenProgressWindowOver10000Drills(benchmark::State &state)
{
    AppFolder folder;
    folder.writeLanguageFiles(QStringLiteral("Castellano"));
    folder.write(QStringLiteral("Ejercicios/Castellano/A/1.txt"), QStringLiteral("sal"));
    folder.write(QStringLiteral("Usuarios/Ana"), QStringLiteral("Ana"));
    {
        StatsStore store(folder.path() + QStringLiteral("/Estadisticas/Ana.sqlite"));
        for (int n = 0; n < 10'000; ++n) {
            store.record(drill(n));
        }
    }
    RecordingPlatform recording(folder.path());
    MainWindow window(recording.platform, QStringLiteral("Ana"));
    for (auto _ : state) {
        ProgressWindow progress(
            window.statistics().store(), window.statistics().texts(), folder.path(), recording.clock);
        progress.resize(1200, 900);
        progress.show();
        // Everything painted once, as the screen would show it.
        benchmark::DoNotOptimize(progress.grab());
        state.PauseTiming();
        progress.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["drills"] = double(window.statistics().store().drills().size());
    state.counters["characters"] = double(window.statistics().store().keyTotals().size());
}
BENCHMARK(BM_OpenProgressWindowOver10000Drills)->Unit(benchmark::kMillisecond);

void BM_WeakKeyExerciseFrom5000WordCourse(benchmark::State &state)
{
    AppFolder folder;
    const QStringList syllables = {QStringLiteral("ca"), QStringLiteral("ñe"), QStringLiteral("zo"),
        QStringLiteral("lu"), QStringLiteral("pí"), QStringLiteral("dra"), QStringLiteral("ve"), QStringLiteral("gü"),
        QStringLiteral("mo"), QStringLiteral("xi"), QStringLiteral("ja"), QStringLiteral("to")};
    int words = 0;
    for (int lesson = 1; lesson <= 20; ++lesson) {
        for (int file = 1; file <= 10; ++file) {
            QString text;
            for (int w = 0; w < 25; ++w, ++words) {
                const int n = words * 7919;
                text += syllables.at(n % 12) + syllables.at(n / 12 % 12) + syllables.at(n / 144 % 12)
                    + (w % 5 == 4 ? QStringLiteral("\n") : QStringLiteral(" "));
            }
            folder.write(QStringLiteral("Castellano/%1 Palabras/%2.txt").arg(lesson, 2, 10, QLatin1Char('0')).arg(file),
                text.trimmed());
        }
    }
    const QList<KeyCount> totals
        = {{u'ñ', 20, 9}, {u'z', 30, 8}, {u'x', 25, 6}, {u'ü', 40, 7}, {u'j', 50, 5}, {u'a', 500, 3}, {u'o', 400, 2}};
    for (auto _ : state) {
        const QStringList course = CourseWords::read(folder.path() + QStringLiteral("/Castellano"));
        benchmark::DoNotOptimize(WeakKeyExercise::build(course, WeakKeys::choose(WeakKeys::foundIn(totals, course))));
    }
    state.counters["words"] = double(words);
}
BENCHMARK(BM_WeakKeyExerciseFrom5000WordCourse)->Unit(benchmark::kMillisecond);

} // namespace
