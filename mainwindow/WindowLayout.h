#pragma once

#include "ControlGeometry.h"

#include <QSizeF>
#include <QtGlobal>

// Fits the lesson workspace to the window's inner area, whenever that changes: the work area fills
// the window below the tool bar, the keyboard sits centred at its bottom, the text panes fill the rest,
// and the counters, the hint line and the animations line up under it.
namespace WindowLayout
{

// The exercise pane never gets less than one line of the 36-point text it starts with.
constexpr float MinimumPaneHeight = 720;

struct Placement {
    ControlGeometry geometry;
    // The exercise pane's height in whole twips, which both panes get back when the hidden
    // keyboard is shown again.
    qint32 textPaneHeight = 0;
};

// inner: the size the window's contents get, in twips (the window less its frame and title bar).
// design: where the controls are before the layout runs (normally ControlGeometry::design()).
Placement layOutWindow(const QSizeF &inner, const ControlGeometry &design);

// The smallest inner area, in twips, in which every control lies inside the window with the
// keyboard whole and one line of exercise.
QSizeF minimumInnerSize(const ControlGeometry &design);

} // namespace WindowLayout
