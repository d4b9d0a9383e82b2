#pragma once

#include <chrono>

// A lab's hour as the benchmark plays it: learners who each finish a drill every interval for the
// session, and a crowd that signs in at once halfway through and opens a long history. Time runs
// speedup times faster than in the lab, so the server sees speedup times the lab's load.
struct LabShape {
    int learners = 30;
    int drillsEach = 30; // 10 minutes, a drill every 20 s
    std::chrono::milliseconds labInterval {20'000};
    int arrivals = 200;
    int historyBytes = 1024 * 1024;
    double speedup = 10.0;

    std::chrono::microseconds interval() const
    {
        return std::chrono::duration_cast<std::chrono::microseconds>(labInterval / speedup);
    }
};
