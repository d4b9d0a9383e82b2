#pragma once

#include "DrillRecord.h"

#include <QWidget>

// Keystrokes per minute (left scale) and accuracy (right scale) of every finished drill, oldest
// at the left, with the best and the average speed drawn across.
class ProgressChart : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressChart(const QStringList &texts, QWidget *parent = nullptr);

    void showDrills(const QList<DrillRecord> &drills);

    static const QColor SpeedColour;
    static const QColor AccuracyColour;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintSeries(QPainter &painter, const QRect &plot) const;
    void paintLegend(QPainter &painter, const QRect &plot) const;

    QStringList texts;
    QList<qint64> speeds;
    QList<qint64> accuracies;
    QString firstDate;
    QString lastDate;
    qint64 best = 0;
    qint64 average = 0;
    qint64 speedTop = 1;
};
