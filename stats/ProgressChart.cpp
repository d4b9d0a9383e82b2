#include "ProgressChart.h"

#include "ChartLine.h"
#include "ProgressFigures.h"
#include "StatsTexts.h"

#include <QDate>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

const QColor ProgressChart::SpeedColour(30, 90, 200);
const QColor ProgressChart::AccuracyColour(20, 150, 70);

namespace
{

const QColor BestColour(200, 60, 40);
const QColor AverageColour(120, 120, 120);

// A round top for the speed scale, a little above the best speed, whose quarters are round too.
qint64 roundTop(qint64 best)
{
    const qint64 step = best > 200 ? 100 : 40;
    return (best / step + 1) * step;
}

} // namespace

ProgressChart::ProgressChart(const QStringList &texts, QWidget *parent)
    : QWidget(parent)
    , texts(texts)
{
    setAccessibleName(texts.value(StatsTexts::ChartTitle));
    // The two lines of legend and of dates, and a plot between them; the chart grows from there
    // with the window.
    setMinimumSize(480, fontMetrics().height() * 10);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void ProgressChart::showDrills(const QList<DrillRecord> &drills)
{
    speeds.clear();
    accuracies.clear();
    speeds.reserve(drills.size());
    accuracies.reserve(drills.size());
    for (const DrillRecord &drill : drills) {
        speeds.append(drill.speed);
        accuracies.append(std::clamp<qint64>(drill.accuracy, 0, 100));
    }
    const ProgressFigures::Overall figures = ProgressFigures::overall(drills);
    best = figures.bestSpeed;
    average = figures.averageSpeed;
    speedTop = roundTop(best);
    const auto day = [](const DrillRecord &drill) {
        return QDate::fromString(drill.finished.left(10), Qt::ISODate).toString(QStringLiteral("dd/MM/yyyy"));
    };
    firstDate = drills.isEmpty() ? QString() : day(drills.first());
    lastDate = drills.isEmpty() ? QString() : day(drills.last());
    // The live figures are the chart's accessible description, for those who cannot see it.
    setAccessibleDescription(texts.value(StatsTexts::Best) + QLatin1Char(' ') + QString::number(best) + u' '
        + texts.value(StatsTexts::SpeedSeries) + QStringLiteral(", ") + texts.value(StatsTexts::Average) + u' '
        + QString::number(average) + u' ' + texts.value(StatsTexts::SpeedSeries));
    update();
}

void ProgressChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    if (speeds.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter, texts.value(StatsTexts::NoDrillsYet));
        return;
    }
    const int margin = metrics.horizontalAdvance(QStringLiteral("0000")) + line / 2;
    const QRect plot = rect().adjusted(margin, line * 2, -margin, -line * 2);
    painter.setPen(Qt::lightGray);
    for (int tick = 0; tick <= 4; ++tick) {
        const int y = plot.bottom() - plot.height() * tick / 4;
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(SpeedColour);
        painter.drawText(QRect(0, y - line / 2, margin - line / 4, line), Qt::AlignRight | Qt::AlignVCenter,
            QString::number(speedTop * tick / 4));
        painter.setPen(AccuracyColour);
        painter.drawText(QRect(plot.right() + line / 4, y - line / 2, margin, line), Qt::AlignLeft | Qt::AlignVCenter,
            QString::number(25 * tick));
        painter.setPen(Qt::lightGray);
    }
    painter.setPen(Qt::black);
    painter.drawText(plot.left(), plot.bottom() + line + metrics.ascent() / 2, firstDate);
    painter.drawText(
        plot.right() - metrics.horizontalAdvance(lastDate), plot.bottom() + line + metrics.ascent() / 2, lastDate);
    paintSeries(painter, plot);
    paintLegend(painter, plot);
}

void ProgressChart::paintSeries(QPainter &painter, const QRect &plot) const
{
    const qsizetype count = speeds.size();
    const auto yOf = [&](double value, double top) {
        return plot.bottom() - double(plot.height()) * value / top;
    };
    // A line of more drills than pixels is a band of thin strokes: smoothing and joining wide
    // strokes across thousands of zigzags would cost a large part of a second.
    const bool dense = count > plot.width();
    painter.setRenderHint(QPainter::Antialiasing, !dense);
    const auto draw = [&](const QPolygonF &line, const QColor &colour) {
        painter.setPen(QPen(colour, dense ? 1 : 2));
        painter.drawPolyline(line);
    };
    draw(ChartLine::points(accuracies, plot.left(), plot.width(),
             [&](qint64 value) {
                 return yOf(double(value), 100.0);
             }),
        AccuracyColour);
    const QPolygonF speedLine = ChartLine::points(speeds, plot.left(), plot.width(), [&](qint64 value) {
        return yOf(double(value), double(speedTop));
    });
    draw(speedLine, SpeedColour);
    if (count < 60) {
        painter.setBrush(SpeedColour);
        for (const QPointF &point : speedLine) {
            painter.drawEllipse(point, 3, 3);
        }
    }
    for (const auto &[value, colour, word] :
        {std::tuple(best, BestColour, StatsTexts::Best), std::tuple(average, AverageColour, StatsTexts::Average)}) {
        const double y = yOf(double(value), double(speedTop));
        painter.setPen(QPen(colour, 1.5, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.drawText(QPointF(plot.left() + 4, y - 3),
            texts.value(word) + QLatin1Char(' ') + QString::number(value) + u' '
                + texts.value(StatsTexts::SpeedSeries));
    }
}

void ProgressChart::paintLegend(QPainter &painter, const QRect &plot) const
{
    const QFontMetrics metrics = fontMetrics();
    int x = plot.left();
    const int y = metrics.height();
    for (const auto &[colour, word] :
        {std::pair(SpeedColour, StatsTexts::SpeedSeries), std::pair(AccuracyColour, StatsTexts::AccuracySeries)}) {
        painter.setPen(QPen(colour, 3));
        painter.drawLine(x, y, x + 24, y);
        painter.setPen(Qt::black);
        const QString text = texts.value(word);
        painter.drawText(x + 30, y + metrics.ascent() / 2 - 1, text);
        x += 30 + metrics.horizontalAdvance(text) + 24;
    }
}
