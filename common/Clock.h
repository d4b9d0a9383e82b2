#pragma once

#include <QString>

// Today's date and the random numbers, the two things that differ from run to run.
class Clock
{
public:
    virtual ~Clock() = default;
    // Today's date in the system's short date format.
    virtual QString shortDate() const = 0;
    // Uniform in [0, 1), from a generator seeded once per run.
    virtual double random() = 0;
};
