#pragma once

#include "ControlGeometry.h"

#include <QSizeF>
#include <QtGlobal>

// Fits the lesson workspace to the screen, once, at start-up: the work area fills the screen
// below the tool bar, the keyboard sits centred at its bottom, the text panes fill the rest,
// and the counters, the hint line and the animations line up under it.
namespace WindowLayout
{

// The exercise pane never gets less than one line of the 36-point text it starts with.
constexpr float MinimumPaneHeight = 720;

struct Placement {
    ControlGeometry geometry;
    // The exercise pane's height in whole twips, which both panes get back when the hidden
    // keyboard is shown again.
    qint32 TextPaneHeight = 0;
};

// screen: the screen's size in twips, taken as the size of the window's inner area.
// design: where the controls are before the layout runs (normally ControlGeometry::design()).
Placement LayoutWindow(const QSizeF &screen, const ControlGeometry &design);

} // namespace WindowLayout
