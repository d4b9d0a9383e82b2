#pragma once

#include "KeyErrorRates.h"

#include <QWidget>

class Clock;
class KeyboardWidget;

// The drawn Spanish keyboard of the typing window with every key tinted by its error rate, and
// a legend under it.
class ErrorMap : public QWidget
{
    Q_OBJECT

public:
    ErrorMap(const QString &dataFolder, Clock &clock, const QStringList &texts, QWidget *parent = nullptr);

    void showRates(const KeyErrorRates::Rates &rates);
    const KeyboardWidget &keyboard() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    KeyboardWidget *drawnKeyboard;
    QStringList texts;
    int legendHeight;
};
