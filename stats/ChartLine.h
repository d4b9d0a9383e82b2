#pragma once

#include <QList>
#include <QPolygonF>

#include <functional>

// The points of a line chart over a number of pixels. More values than pixels are drawn as each
// pixel column's lowest and highest value, so that ten thousand drills cost no more to paint
// than the few hundred columns they fall into, and no peak is lost on the way.
namespace ChartLine
{

QPolygonF points(const QList<qint64> &values, int left, int width, const std::function<double(qint64)> &yOf);

} // namespace ChartLine
