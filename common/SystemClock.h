#pragma once

#include "Clock.h"

#include <QRandomGenerator>

class SystemClock : public Clock
{
public:
    SystemClock();
    QString shortDate() const override;
    double random() override;

private:
    QRandomGenerator generator;
};
