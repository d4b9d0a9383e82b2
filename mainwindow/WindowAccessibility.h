#pragma once

#include <QAccessible>

class QWidget;

// What assistive technology is told about widgets of the typing window that Qt would report as
// plain fillers.
namespace WindowAccessibility
{

// widget is reported in role from now on: the typing window as the application's frame, so that a
// screen reader announces it by its title like any main window, and the drawn keyboard as a
// picture whose description names the next key.
void giveRole(QWidget *widget, QAccessible::Role role);

} // namespace WindowAccessibility
