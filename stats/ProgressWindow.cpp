#include "ProgressWindow.h"

#include "ErrorMap.h"
#include "KeyErrorRates.h"
#include "ProgressChart.h"
#include "ProgressFigures.h"
#include "StatsRecorder.h"
#include "StatsTexts.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>

namespace
{

constexpr int ShownKeys = 10;

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QTableWidget *table(const QStringList &columns, const QString &name, QWidget *parent)
{
    auto *widget = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    widget->setHorizontalHeaderLabels(columns);
    widget->setAccessibleName(name);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setSelectionMode(QAbstractItemView::NoSelection);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->verticalHeader()->hide();
    widget->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    widget->horizontalHeader()->setStretchLastSection(true);
    return widget;
}

void setRow(QTableWidget &table, int row, const QStringList &cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        auto *item = new QTableWidgetItem(cells.at(column));
        if (column > 0) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        table.setItem(row, column, item);
    }
}

} // namespace

ProgressWindow::ProgressWindow(const StatsRecorder &stats, const QString &dataFolder, Clock &clock, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , stats(stats)
{
    const QStringList &t = stats.texts();
    setWindowTitle(t.value(StatsTexts::WindowTitle));
    summary = heading(QString(), this);
    summary->setAccessibleDescription(t.value(StatsTexts::ChartTitle));
    speedChart = new ProgressChart(t, this);
    lessons
        = table({t.value(StatsTexts::LessonColumn), t.value(StatsTexts::DrillsColumn), t.value(StatsTexts::BestColumn),
                    t.value(StatsTexts::AverageColumn), t.value(StatsTexts::AccuracyColumn)},
            t.value(StatsTexts::LessonsTitle), this);
    keys = table({t.value(StatsTexts::KeyColumn), t.value(StatsTexts::TypedColumn), t.value(StatsTexts::ErrorsColumn),
                     QStringLiteral("%"), t.value(StatsTexts::InsteadColumn)},
        t.value(StatsTexts::KeysTitle), this);
    map = new ErrorMap(dataFolder, clock, t, this);
    practice = new QPushButton(t.value(StatsTexts::PracticeButton), this);
    exporter = new QPushButton(t.value(StatsTexts::ExportButton), this);
    auto *close = new QPushButton(t.value(StatsTexts::CloseButton), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    connect(&stats, &StatsRecorder::drillRecorded, this, [this] {
        if (isVisible()) {
            refresh();
        }
    });

    auto *grid = new QGridLayout(this);
    grid->addWidget(heading(t.value(StatsTexts::ChartTitle), this), 0, 0, 1, 2);
    grid->addWidget(summary, 1, 0, 1, 2);
    grid->addWidget(speedChart, 2, 0, 1, 2);
    grid->addWidget(heading(t.value(StatsTexts::LessonsTitle), this), 3, 0);
    grid->addWidget(heading(t.value(StatsTexts::KeysTitle), this), 3, 1);
    grid->addWidget(lessons, 4, 0);
    grid->addWidget(keys, 4, 1);
    grid->addWidget(heading(t.value(StatsTexts::ErrorMapTitle), this), 5, 0, 1, 2);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(map, 0, Qt::AlignTop);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {practice, exporter, close}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    bottom->addLayout(buttons);
    bottom->addStretch();
    grid->addLayout(bottom, 6, 0, 1, 2);
    grid->setRowStretch(2, 3);
    grid->setRowStretch(4, 2);
    // Room for the tables' columns and a readable chart, within the screen.
    resize(QSize(1150, 940).boundedTo(screen()->availableSize()));
}

void ProgressWindow::showEvent(QShowEvent *event)
{
    refresh();
    QWidget::showEvent(event);
}

void ProgressWindow::refresh()
{
    const QStringList &t = stats.texts();
    const QList<DrillRecord> drills = stats.store().drills();
    const ProgressFigures::Overall figures = ProgressFigures::overall(drills);
    summary->setText(t.value(StatsTexts::DrillsColumn) + QStringLiteral(": ") + QString::number(figures.drills)
        + QStringLiteral("    ") + t.value(StatsTexts::BestColumn) + QStringLiteral(": ")
        + QString::number(figures.bestSpeed) + QStringLiteral("    ") + t.value(StatsTexts::AverageColumn)
        + QStringLiteral(": ") + QString::number(figures.averageSpeed) + QStringLiteral("    ")
        + t.value(StatsTexts::AccuracyColumn) + QStringLiteral(": ") + QString::number(figures.averageAccuracy)
        + QStringLiteral(" %"));
    speedChart->showDrills(drills);
    fillLessons(drills);
    fillKeys();
}

void ProgressWindow::fillLessons(const QList<DrillRecord> &drills)
{
    const QList<ProgressFigures::Lesson> rows = ProgressFigures::lessons(drills);
    lessons->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const ProgressFigures::Lesson &lesson = rows.at(row);
        setRow(*lessons, row,
            {lesson.name, QString::number(lesson.figures.drills), QString::number(lesson.figures.bestSpeed),
                QString::number(lesson.figures.averageSpeed),
                QString::number(lesson.figures.averageAccuracy) + QStringLiteral(" %")});
    }
}

void ProgressWindow::fillKeys()
{
    const QStringList &t = stats.texts();
    const QList<KeyCount> totals = stats.store().keyTotals();
    const QList<ProgressFigures::WeakKey> rows
        = ProgressFigures::keysWithMostErrors(totals, stats.store().mistakeTotals(), ShownKeys);
    keys->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const ProgressFigures::WeakKey &weak = rows.at(row);
        const QString instead = weak.commonestInstead.isNull() ? QString()
                                                               : StatsTexts::characterName(t, weak.commonestInstead)
                + QStringLiteral(" (") + StatsTexts::kindName(t, weak.kind) + QLatin1Char(')');
        setRow(*keys, row,
            {StatsTexts::characterName(t, weak.key.character), QString::number(weak.key.typed()),
                QString::number(weak.key.wrong), QString::number(qRound(weak.key.errorRate() * 100)), instead});
    }
    map->showRates(KeyErrorRates::perKey(totals));
}

const ErrorMap &ProgressWindow::errorMap() const
{
    return *map;
}

const QTableWidget &ProgressWindow::lessonTable() const
{
    return *lessons;
}

const QTableWidget &ProgressWindow::keyTable() const
{
    return *keys;
}

QPushButton *ProgressWindow::practiceButton() const
{
    return practice;
}

QPushButton *ProgressWindow::exportButton() const
{
    return exporter;
}
