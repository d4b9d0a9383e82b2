#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The benchmarks drive real widgets, which need an application; they paint offscreen.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window's place on this machine is kept in the user's settings: the runs keep their own,
    // and leave nobody's behind.
    const QTemporaryDir machineSettings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(machineSettings.path()));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
