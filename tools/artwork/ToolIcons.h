#pragma once

#include <QImage>

// Tool-bar pictures of the window's tools: progress, history pane, text size, report, keyboard,
// minimise, exit and opening a text of one's own.
namespace ToolIcons
{

QImage progress();
QImage history();
QImage textSize();
QImage report();
QImage keyboardShown();
QImage keyboardHidden();
QImage minimise();
QImage exit();
QImage openText();

} // namespace ToolIcons
