#pragma once

#include <QImage>

// Tool-bar pictures of the window's tools: progress, history pane, text size, report, keyboard,
// minimise, exit, opening a text of one's own, the timed test, the keyboard
// layout and the settings for the learner's eyes.
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
QImage settings();
QImage exam();
QImage openText();

} // namespace ToolIcons
