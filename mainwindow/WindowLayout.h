#pragma once

#include "ControlGeometry.h"

#include <QSizeF>
#include <QtGlobal>

// Fits the lesson workspace to the window's inner area, whenever that changes: the work area fills
// the window below the tool bar, the keyboard sits centred at its bottom, the text panes fill the rest,
// and the counters, the hint line and the animations line up under it.
namespace WindowLayout
{

// In a window too low for the keyboard as drawn and the exercise pane's least height, the keyboard
// is drawn smaller, down to this part of its size, before the pane loses a line.
constexpr float SmallestKeyboardScale = 0.55f;

// A window narrower than the tool bar as drawn (1080p at 200 %) gets the row closer together and
// its buttons narrower, down to this part of its width, rather than losing its last buttons; the
// ticker beside them writes its figures in smaller type where they no longer fit.
constexpr float SmallestToolBarScale = 0.82f;

struct Placement {
    ControlGeometry geometry;
    // The exercise pane's height in whole twips, which both panes get back when the hidden
    // keyboard is shown again.
    qint32 textPaneHeight = 0;
    // 1 as drawn; less where the keyboard (geometry.keyboard) is drawn smaller to leave the pane room.
    float keyboardScale = 1;
};

// inner: the size the window's contents get, in twips (the window less its frame and title bar).
// design: where the controls are before the layout runs (normally ControlGeometry::design()).
// paneHeight: the least height of the exercise pane, in twips (two whole lines of its text).
Placement layOutWindow(const QSizeF &inner, const ControlGeometry &design, float paneHeight);

// The smallest inner area, in twips, in which every control lies inside the window with the
// keyboard at its smallest and the exercise pane paneHeight high.
QSizeF minimumInnerSize(const ControlGeometry &design, float paneHeight);

} // namespace WindowLayout
