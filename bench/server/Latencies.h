#pragma once

#include <vector>

// The durations of one kind of call, in milliseconds, and their percentiles.
class Latencies
{
public:
    void add(double milliseconds)
    {
        samples.push_back(milliseconds);
    }
    void merge(const Latencies &other);

    int count() const
    {
        return static_cast<int>(samples.size());
    }
    // The nearest-rank percentile, share between 0 and 1; 0 when nothing was measured.
    double percentile(double share) const;

private:
    std::vector<double> samples;
};
