#pragma once

#include <QImage>

// Tool-bar pictures of the window's tools: history pane, text size, report, keyboard,
// minimise and exit.
namespace ToolIcons
{

QImage history();
QImage textSize();
QImage report();
QImage keyboardShown();
QImage keyboardHidden();
QImage minimise();
QImage exit();

} // namespace ToolIcons
