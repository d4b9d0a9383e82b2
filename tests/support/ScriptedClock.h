#pragma once

#include "Clock.h"

#include <deque>
#include <initializer_list>

// A clock whose random numbers are the ones a test scripted, in order; once they run out it
// gives 0. It counts the draws, so a test can tell that a number was drawn at all.
class ScriptedClock : public Clock
{
public:
    void script(std::initializer_list<double> more)
    {
        randoms.insert(randoms.end(), more);
    }

    QString shortDate() const override
    {
        return date;
    }

    double random() override
    {
        ++draws;
        if (randoms.empty()) {
            return 0;
        }
        const double next = randoms.front();
        randoms.pop_front();
        return next;
    }

    QDateTime now() const override
    {
        return moment;
    }

    QString date = QStringLiteral("06/12/2025");
    QDateTime moment = QDateTime(QDate(2025, 12, 6), QTime(10, 30));
    int draws = 0;

private:
    std::deque<double> randoms;
};
