#pragma once

#include <QImage>

// Tool-bar pictures of the window's tools: progress, history pane, text size, report, keyboard,
// keyboard layout, minimise and exit.
namespace ToolIcons
{

QImage progress();
QImage history();
QImage textSize();
QImage report();
QImage keyboardShown();
QImage keyboardHidden();
QImage keyboardLayout();
QImage minimise();
QImage exit();

} // namespace ToolIcons
