#include "LabTable.h"

#include <QTextStream>

namespace
{

constexpr int LabelWidth = 34;
constexpr int ColumnWidth = 22;

QString milliseconds(const Latencies &latencies)
{
    if (latencies.count() == 0) {
        return QStringLiteral("-");
    }
    return QStringLiteral("%1 / %2")
        .arg(latencies.percentile(0.50), 0, 'f', 1)
        .arg(latencies.percentile(0.99), 0, 'f', 1);
}

} // namespace

void printLabTable(const QList<QPair<LabShape, LabFigures>> &labs, QTextStream &out)
{
    if (labs.isEmpty()) {
        return;
    }
    const auto row = [&labs, &out](const QString &label, const auto &cell) {
        out << label.leftJustified(LabelWidth);
        for (const auto &[shape, figures] : labs) {
            out << cell(shape, figures).rightJustified(ColumnWidth);
        }
        out << '\n';
    };
    out << "\nThe class server under a lab's load, times in ms as p50 / p99\n";
    row(QString(), [](const LabShape &shape, const LabFigures &) {
        return QStringLiteral("%1 learners").arg(shape.learners);
    });
    row(QStringLiteral("sign-in, %1 at once").arg(labs.first().first.arrivals),
        [](const LabShape &, const LabFigures &figures) {
            return milliseconds(figures.signIn);
        });
    row(QStringLiteral("sign-in, four PCs at a time"), [](const LabShape &, const LabFigures &figures) {
        return milliseconds(figures.seatedSignIn);
    });
    row(QStringLiteral("recording a drill"), [](const LabShape &, const LabFigures &figures) {
        return milliseconds(figures.drill);
    });
    row(QStringLiteral("  apart from the crowd's arrival"), [](const LabShape &, const LabFigures &figures) {
        return milliseconds(figures.drillApart);
    });
    row(QStringLiteral("loading a 1 MB history"), [](const LabShape &, const LabFigures &figures) {
        return milliseconds(figures.history);
    });
    row(QStringLiteral("  the server otherwise idle"), [](const LabShape &, const LabFigures &figures) {
        return milliseconds(figures.historyAlone);
    });
    row(QStringLiteral("drills sent"), [](const LabShape &, const LabFigures &figures) {
        return QString::number(figures.drillsFinished);
    });
    row(QStringLiteral("lost / doubled"), [](const LabShape &, const LabFigures &figures) {
        return QStringLiteral("%1 / %2").arg(figures.lost).arg(figures.doubled);
    });
    row(QStringLiteral("left in a PC's queue"), [](const LabShape &, const LabFigures &figures) {
        return QString::number(figures.stillQueued);
    });
    row(QStringLiteral("failed sign-ins / short histories"), [](const LabShape &, const LabFigures &figures) {
        return QStringLiteral("%1 / %2").arg(figures.failedSignIns).arg(figures.shortHistories);
    });
    row(QStringLiteral("drills a second, offered"), [](const LabShape &shape, const LabFigures &) {
        // Over the same span as the taken figure: the learners sit down over the first interval.
        const double seconds = std::chrono::duration<double>(shape.interval()).count() * (shape.drillsEach + 1);
        return QString::number(shape.learners * shape.drillsEach / seconds, 'f', 1);
    });
    row(QStringLiteral("drills a second, taken"), [](const LabShape &, const LabFigures &figures) {
        return QString::number(figures.drillsPerSecond, 'f', 1);
    });
    row(QStringLiteral("worst drill late, ms"), [](const LabShape &, const LabFigures &figures) {
        return QString::number(figures.worstLagMs, 'f', 0);
    });
    out << "10 minutes of the lab played " << labs.first().first.speedup << " times faster.\n";
    out.flush();
}
