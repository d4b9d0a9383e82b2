#pragma once

class QWidget;

// What assistive technology is told about the typing window as a whole.
namespace WindowAccessibility
{

// A top-level widget is reported as a plain filler; window is reported as the application's
// frame, so that a screen reader announces it by its title like any main window.
void describeAsFrame(QWidget *window);

} // namespace WindowAccessibility
