#include "Latencies.h"

#include <algorithm>
#include <cmath>

void Latencies::merge(const Latencies &other)
{
    samples.insert(samples.end(), other.samples.cbegin(), other.samples.cend());
}

double Latencies::percentile(double share) const
{
    if (samples.empty()) {
        return 0.0;
    }
    std::vector<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    const auto rank = static_cast<std::size_t>(std::ceil(share * static_cast<double>(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}
