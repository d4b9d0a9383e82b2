#include "ColourQuantizer.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace
{

struct Entry {
    std::array<int, 3> channels;
    qint64 count;
};

using Box = std::vector<Entry>;

int extent(const Box &box, int channel)
{
    const auto [low, high] = std::minmax_element(box.begin(), box.end(), [channel](const Entry &a, const Entry &b) {
        return a.channels[channel] < b.channels[channel];
    });
    return high->channels[channel] - low->channels[channel];
}

int widestChannel(const Box &box)
{
    int widest = 0;
    for (int channel = 1; channel < 3; ++channel) {
        if (extent(box, channel) > extent(box, widest)) {
            widest = channel;
        }
    }
    return widest;
}

// The box to split next: the one spanning the widest range of any channel. Ties go to the
// earlier box so the outcome never depends on anything but the input.
int boxToSplit(const std::vector<Box> &boxes)
{
    int chosen = -1;
    int widest = 0;
    for (int i = 0; i < int(boxes.size()); ++i) {
        if (boxes[i].size() < 2) {
            continue;
        }
        const int span = extent(boxes[i], widestChannel(boxes[i]));
        if (span > widest) {
            widest = span;
            chosen = i;
        }
    }
    return chosen;
}

// Splits at the pixel-weighted median of the widest channel; both halves keep at least one colour.
std::pair<Box, Box> split(Box box)
{
    const int channel = widestChannel(box);
    std::stable_sort(box.begin(), box.end(), [channel](const Entry &a, const Entry &b) {
        return a.channels[channel] < b.channels[channel];
    });
    qint64 total = 0;
    for (const Entry &entry : box) {
        total += entry.count;
    }
    qint64 running = 0;
    std::size_t cut = 1;
    while (cut < box.size() - 1 && running + box[cut - 1].count < total / 2) {
        running += box[cut - 1].count;
        ++cut;
    }
    return {Box(box.begin(), box.begin() + cut), Box(box.begin() + cut, box.end())};
}

QRgb average(const Box &box)
{
    std::array<qint64, 3> sums {};
    qint64 total = 0;
    for (const Entry &entry : box) {
        for (int channel = 0; channel < 3; ++channel) {
            sums[channel] += qint64(entry.channels[channel]) * entry.count;
        }
        total += entry.count;
    }
    const auto mean = [&](int channel) {
        return int((sums[channel] + total / 2) / total);
    };
    return qRgb(mean(0), mean(1), mean(2));
}

} // namespace

namespace ColourQuantizer
{

QList<QRgb> palette(const Histogram &histogram, int maxColours)
{
    Box all;
    for (const auto &[colour, count] : histogram) {
        all.push_back({{qRed(colour), qGreen(colour), qBlue(colour)}, std::max<qint64>(count, 1)});
    }
    QList<QRgb> colours;
    if (int(all.size()) <= maxColours) {
        for (const Entry &entry : all) {
            colours.append(qRgb(entry.channels[0], entry.channels[1], entry.channels[2]));
        }
        return colours;
    }
    std::vector<Box> boxes {std::move(all)};
    while (int(boxes.size()) < maxColours) {
        const int chosen = boxToSplit(boxes);
        if (chosen < 0) {
            break;
        }
        auto [lower, upper] = split(std::move(boxes[chosen]));
        boxes[chosen] = std::move(lower);
        boxes.push_back(std::move(upper));
    }
    for (const Box &box : boxes) {
        colours.append(average(box));
    }
    return colours;
}

int nearest(const QList<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        // Weighted roughly as the eye weighs the channels, so greys and skin tones stay true.
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace ColourQuantizer
