#include "ScreenCentre.h"

#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget &window)
{
    const QRect screen = window.screen()->availableGeometry();
    const QSize frame = window.frameGeometry().size();
    window.move(
        screen.left() + (screen.width() - frame.width()) / 2, screen.top() + (screen.height() - frame.height()) / 2);
}
