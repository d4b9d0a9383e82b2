#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

#include <vector>

// Counts the paint events a widget gets and the pixels they paint. Given the application, it
// watches every widget, and tells which were painted in turn and how many pixels each painted.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QObject *watched)
    {
        watched->installEventFilter(this);
    }
    int paints = 0;
    std::vector<const QObject *> widgets;
    QHash<const QObject *, qint64> pixels;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            widgets.push_back(watched);
            // A region's rectangles do not overlap: each pixel is counted once.
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region()) {
                pixels[watched] += qint64(rect.width()) * rect.height();
            }
        }
        return false;
    }
};
