#pragma once

#include <QDateTime>
#include <QString>

// Today's date, the time and the random numbers, the things that differ from run to run.
class Clock
{
public:
    virtual ~Clock() = default;
    // Today's date in the system's short date format.
    virtual QString shortDate() const = 0;
    // Uniform in [0, 1), from a generator seeded once per run.
    virtual double random() = 0;
    // The local date and time, to stamp what a learner finished.
    virtual QDateTime now() const
    {
        return QDateTime::currentDateTime();
    }
};
