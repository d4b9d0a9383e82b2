#include "ProgressLink.h"

#include "Dialogs.h"
#include "MainWindow.h"
#include "Platform.h"
#include "ProgressWindow.h"
#include "StatsCsv.h"
#include "StatsRecorder.h"
#include "StatsTexts.h"
#include "WeakKeyPractice.h"

#include <QDir>
#include <QPushButton>

ProgressLink *ProgressLink::attach(MainWindow &window, const Platform &platform)
{
    return new ProgressLink(window, platform);
}

ProgressLink::ProgressLink(MainWindow &window, const Platform &platform)
    : QObject(&window)
    , window(window)
    , platform(platform)
    , progress(new ProgressWindow(
          window.statistics().store(), window.statistics().texts(), platform.appDir, platform.clock, &window))
    , practice(new WeakKeyPractice(window.statistics(), window, platform.dialogs, this))
{
    connect(&window.statistics(), &StatsRecorder::drillRecorded, progress, [this] {
        if (progress->isVisible()) {
            progress->refresh();
        }
    });
    connect(window.controls().progressButton, &QPushButton::clicked, progress, [this] {
        progress->show();
        progress->raise();
        progress->activateWindow();
    });
    connect(progress->practiceButton(), &QPushButton::clicked, practice, [this] {
        if (practice->start()) {
            progress->hide();
        }
    });
    connect(progress->exportButton(), &QPushButton::clicked, this, &ProgressLink::exportStatistics);
}

ProgressWindow &ProgressLink::progressWindow()
{
    return *progress;
}

void ProgressLink::exportStatistics()
{
    const StatsRecorder &stats = window.statistics();
    const QString learner = stats.learner();
    const QString folder = platform.userPath(QStringLiteral("Estadisticas/"))
        + (learner.isEmpty() ? QStringLiteral("CSV") : learner + QStringLiteral(" CSV"));
    if (StatsCsv::exportTo(stats.store(), stats.texts(), folder)) {
        platform.dialogs.informOver(progress,
            stats.texts().value(StatsTexts::Exported) + u'\n' + QDir::toNativeSeparators(QDir::cleanPath(folder)));
    } else {
        platform.dialogs.informOver(progress, stats.texts().value(StatsTexts::ExportFailed));
    }
}
