#pragma once

#include <QImage>

// Tool-bar pictures that move through the exercises: next, previous, start, random.
namespace NavigationIcons
{

QImage next();
QImage previous();
QImage start();
QImage random();

} // namespace NavigationIcons
