#include "ProgressWindow.h"

#include "ErrorMap.h"
#include "KeyErrorRates.h"
#include "LearnerStatistics.h"
#include "ProgressChart.h"
#include "ProgressFigures.h"
#include "StatsTexts.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>

namespace
{

constexpr int ShownKeys = 10;
// However small the screen, each table shows this many rows without scrolling inside it.
constexpr int RowsAlwaysShown = 5;
// What the window would like, in device-independent pixels: room for the tables' columns and a
// readable chart.
constexpr QSize PreferredSize(1150, 940);

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
    // Room for the rows always shown, and for a scroll bar under them should the columns need it.
    widget->setMinimumHeight(widget->horizontalHeader()->sizeHint().height()
        + RowsAlwaysShown * widget->verticalHeader()->defaultSectionSize() + 2 * widget->frameWidth()
        + widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
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

ProgressWindow::ProgressWindow(
    const LearnerStatistics &store, const QStringList &texts, const QString &dataFolder, Clock &clock, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , store(store)
    , texts(texts)
{
    const QStringList &t = texts;
    setWindowTitle(t.value(StatsTexts::WindowTitle));
    // Everything but the buttons scrolls when the screen is too small for it (a laptop's, or any
    // at a large scale); the buttons stay in view.
    scroller = new QScrollArea(this);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget(scroller);
    summary = heading(QString(), content);
    summary->setAccessibleDescription(t.value(StatsTexts::ChartTitle));
    speedChart = new ProgressChart(t, content);
    exams = heading(QString(), content);
    exams->setAccessibleDescription(QStringLiteral("exámenes"));
    examChart = new ProgressChart(t, content);
    examChart->setAccessibleName(QStringLiteral("Pulsaciones netas de los exámenes"));
    lessons
        = table({t.value(StatsTexts::LessonColumn), t.value(StatsTexts::DrillsColumn), t.value(StatsTexts::BestColumn),
                    t.value(StatsTexts::AverageColumn), t.value(StatsTexts::AccuracyColumn)},
            t.value(StatsTexts::LessonsTitle), content);
    keys = table({t.value(StatsTexts::KeyColumn), t.value(StatsTexts::TypedColumn), t.value(StatsTexts::ErrorsColumn),
                     QStringLiteral("%"), t.value(StatsTexts::InsteadColumn)},
        t.value(StatsTexts::KeysTitle), content);
    map = new ErrorMap(dataFolder, clock, t, content);
    practice = new QPushButton(t.value(StatsTexts::PracticeButton), this);
    exporter = new QPushButton(t.value(StatsTexts::ExportButton), this);
    auto *close = new QPushButton(t.value(StatsTexts::CloseButton), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    auto *grid = new QGridLayout(content);
    grid->addWidget(heading(t.value(StatsTexts::ChartTitle), content), 0, 0, 1, 2);
    grid->addWidget(summary, 1, 0, 1, 2);
    grid->addWidget(speedChart, 2, 0, 1, 2);
    grid->addWidget(heading(t.value(StatsTexts::LessonsTitle), content), 3, 0);
    grid->addWidget(heading(t.value(StatsTexts::KeysTitle), content), 3, 1);
    grid->addWidget(lessons, 4, 0);
    grid->addWidget(keys, 4, 1);
    grid->addWidget(heading(t.value(StatsTexts::ErrorMapTitle), content), 5, 0, 1, 2);
    grid->addWidget(map, 6, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(heading(QStringLiteral("Exámenes (pulsaciones netas por minuto)"), content), 7, 0, 1, 2);
    grid->addWidget(exams, 8, 0, 1, 2);
    grid->addWidget(examChart, 9, 0, 1, 2);
    // The charts and the tables share what height there is; the error map keeps its size.
    grid->setRowStretch(2, 3);
    grid->setRowStretch(4, 2);
    grid->setRowStretch(9, 2);
    scroller->setWidget(content);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(practice);
    buttons->addWidget(exporter);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *column = new QVBoxLayout(this);
    column->addWidget(scroller);
    column->addLayout(buttons);
    resize(PreferredSize);
}

void ProgressWindow::fitIntoScreen()
{
    const QRect available = screen()->availableGeometry();
    // The window manager's frame is known once the window has been on the screen; before, a
    // title bar and a border are the frame to expect.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const QMargins frame = outer == inner
        ? QMargins(border, style()->pixelMetric(QStyle::PM_TitleBarHeight), border, border)
        : QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom());
    const QRect room = available.marginsRemoved(frame);
    const QSize size = this->size().boundedTo(room.size());
    resize(size);
    // In the middle at first; later where the learner left it, moved in as little as it takes
    // where it would stick out.
    const QPoint topLeft = shownBefore
        ? QPoint(std::clamp(inner.left(), room.left(), room.right() - size.width() + 1),
            std::clamp(inner.top(), room.top(), room.bottom() - size.height() + 1))
        : room.topLeft() + QPoint(room.width() - size.width(), room.height() - size.height()) / 2;
    move(topLeft - QPoint(frame.left(), frame.top()));
    shownBefore = true;
}

void ProgressWindow::showEvent(QShowEvent *event)
{
    fitIntoScreen();
    refresh();
    QWidget::showEvent(event);
}

void ProgressWindow::refresh()
{
    const QStringList &t = texts;
    const QList<DrillRecord> drills = store.drills();
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
    fillExams();
}

void ProgressWindow::fillExams()
{
    const QList<ExamRecord> tests = store.exams();
    // The chart draws a speed a test: the net one, which is the figure a test is judged by.
    QList<DrillRecord> asDrills;
    qint64 best = 0;
    for (const ExamRecord &exam : tests) {
        DrillRecord drill;
        drill.finished = exam.finished;
        drill.exercise = exam.text;
        drill.seconds = exam.seconds;
        drill.speed = exam.net;
        drill.accuracy = exam.accuracy;
        asDrills.append(drill);
        best = std::max(best, exam.net);
    }
    exams->setText(tests.isEmpty()
            ? QStringLiteral("Todavía no has hecho ningún examen (Ctrl+E).")
            : QStringLiteral("Exámenes: %1    Mejor: %2 netas (p/m)    Último: %3 netas (p/m), %4 min")
                  .arg(tests.size())
                  .arg(best)
                  .arg(tests.constLast().net)
                  .arg(tests.constLast().minutes));
    examChart->setVisible(!tests.isEmpty());
    examChart->showDrills(asDrills);
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
    const QStringList &t = texts;
    const QList<KeyCount> totals = store.keyTotals();
    const QList<ProgressFigures::WeakKey> rows
        = ProgressFigures::keysWithMostErrors(totals, store.mistakeTotals(), ShownKeys);
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

const QLabel &ProgressWindow::examSummary() const
{
    return *exams;
}

QPushButton *ProgressWindow::practiceButton() const
{
    return practice;
}

QPushButton *ProgressWindow::exportButton() const
{
    return exporter;
}

const QScrollArea &ProgressWindow::scrollArea() const
{
    return *scroller;
}
