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
    // A key's tool tip tells its figures: the colour alone is an estimate.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyboardWidget *drawnKeyboard;
    KeyErrorRates::Rates shown {};
    QStringList texts;
    int legendHeight;
};
