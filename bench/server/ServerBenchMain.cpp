// The class server under a lab's load: 30 learners each finishing a drill every 20 s for 10
// minutes while 200 more sign in at once and open a 1 MB history, then the same with 1,000
// learners. Every PC is a thread with a real store on a server of the program's own.
//   --speedup=K  plays the 10 minutes K times faster (default 10)
//   --quick      30 and 200 learners, 10 drills each
// Google Benchmark's own options (--benchmark_filter=...) work as usual.
#include "LabRun.h"
#include "LabTable.h"
#include "PostgresServer.h"

#include <QCoreApplication>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

namespace
{

struct Options {
    QList<int> learners = {30, 1000};
    int drillsEach = 30;
    double speedup = 10.0;
    QString error;
};

// Takes this program's options out of argv, leaving Google Benchmark's.
Options takeOptions(int &argc, char **argv)
{
    Options options;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == u"--quick") {
            options.learners = {30, 200};
            options.drillsEach = 10;
        } else if (argument.startsWith(u"--speedup=")) {
            bool number = false;
            options.speedup = argument.mid(QStringLiteral("--speedup=").size()).toDouble(&number);
            if (!number || options.speedup <= 0) {
                options.error = QStringLiteral("--speedup needs a number above 0: ") + argument;
            }
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return options;
}

// A thousand PCs keep a thousand connections open, beyond the server's default of 100. The
// setting takes effect at the next start.
QString allowConnections(PostgresServer &server, int connections)
{
    const QString error = server.runAsAdmin(
        QStringLiteral("postgres"), QStringLiteral("ALTER SYSTEM SET max_connections = %1").arg(connections));
    if (!error.isEmpty()) {
        return error;
    }
    return server.stop() && server.start() ? QString() : QStringLiteral("the server did not start again");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const Options options = takeOptions(argc, argv);
    if (!options.error.isEmpty()) {
        err << options.error << '\n';
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }

    PostgresServer server;
    if (!server.problem().isEmpty()) {
        err << "No PostgreSQL server: " << server.problem() << '\n';
        return 1;
    }
    const LabShape defaults;
    const int mostPcs = *std::max_element(options.learners.cbegin(), options.learners.cend()) + defaults.arrivals;
    // Room for the administrator's connections and the server's own.
    if (const QString error = allowConnections(server, mostPcs + 20); !error.isEmpty()) {
        err << "The server does not take enough connections: " << error << '\n';
        return 1;
    }

    QList<QPair<LabShape, LabFigures>> labs;
    for (const int learners : options.learners) {
        LabShape shape;
        shape.learners = learners;
        shape.drillsEach = options.drillsEach;
        shape.speedup = options.speedup;
        const std::string name = "BM_ClassServerLab/learners:" + std::to_string(learners);
        benchmark::RegisterBenchmark(name.c_str(),
            [&server, &labs, shape](benchmark::State &state) {
                LabRun lab(server, shape);
                if (!lab.problem().isEmpty()) {
                    state.SkipWithError(lab.problem().toUtf8().constData());
                    return;
                }
                LabFigures figures;
                for (auto _ : state) {
                    figures = lab.play();
                }
                const auto milliseconds = [&state](const char *name, const Latencies &latencies) {
                    state.counters[std::string(name) + "_p50_ms"] = latencies.percentile(0.50);
                    state.counters[std::string(name) + "_p99_ms"] = latencies.percentile(0.99);
                };
                milliseconds("signin", figures.signIn);
                milliseconds("drill", figures.drill);
                milliseconds("history1MB", figures.history);
                state.counters["drills"] = figures.drillsFinished;
                state.counters["lost"] = figures.lost;
                state.counters["doubled"] = figures.doubled;
                state.counters["queued"] = figures.stillQueued;
                labs.append({shape, figures});
            })
            ->Iterations(1)
            ->Unit(benchmark::kSecond)
            ->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printLabTable(labs, out);
    return 0;
}
