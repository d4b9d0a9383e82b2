#pragma once

#include "InterfaceTexts.h"

#include <QObject>

class DrillModel;
class QLabel;
class QPushButton;

// The drill's figures on the window: the two counters, and the ticker's time, speed and
// accuracy. Each caption is written from the model, never read back.
class DrillFiguresView : public QObject
{
    Q_OBJECT

public:
    struct Widgets {
        QPushButton *rightCount;
        QPushButton *wrongCount;
        QLabel *timeLabel;
        QLabel *speedLabel;
        QLabel *accuracyLabel;
    };

    DrillFiguresView(
        const DrillModel &model, const InterfaceTexts &texts, const Widgets &widgets, QObject *parent = nullptr);

private:
    void showCounts();
    void onTick();
    void onFinished();
    void showAccuracy();

    const DrillModel &model;
    const InterfaceTexts &texts;
    Widgets widgets;
};
