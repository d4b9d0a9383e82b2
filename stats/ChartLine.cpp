#include "ChartLine.h"

#include <algorithm>

namespace ChartLine
{

QPolygonF points(const QList<qint64> &values, int left, int width, const std::function<double(qint64)> &yOf)
{
    const qsizetype count = values.size();
    QPolygonF line;
    if (count == 0) {
        return line;
    }
    if (count == 1) {
        line.append({left + width / 2.0, yOf(values.front())});
        return line;
    }
    const auto xOf = [&](qsizetype i) {
        return left + double(width) * double(i) / double(count - 1);
    };
    if (count <= width) {
        for (qsizetype i = 0; i < count; ++i) {
            line.append({xOf(i), yOf(values.at(i))});
        }
        return line;
    }
    qsizetype first = 0;
    for (int column = 0; column < width && first < count; ++column) {
        const qsizetype end = std::max(first + 1, (qsizetype(column) + 1) * count / width);
        const auto [low, high] = std::minmax_element(values.cbegin() + first, values.cbegin() + end);
        const double x = left + column;
        // Drawn in the order they happened, so the line runs on from the column before.
        const bool lowFirst = low < high;
        line.append({x, yOf(lowFirst ? *low : *high)});
        line.append({x, yOf(lowFirst ? *high : *low)});
        first = end;
    }
    return line;
}

} // namespace ChartLine
