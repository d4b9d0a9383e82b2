#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

// The pixels of a region, each counted once.
inline qint64 pixelsIn(const QRegion &region)
{
    qint64 pixels = 0;
    for (const QRect &rect : region) {
        pixels += qint64(rect.width()) * rect.height();
    }
    return pixels;
}

// Counts the paint events a widget gets and gathers what they paint.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget)
    {
        widget->installEventFilter(this);
    }
    int paints = 0;
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }
};
