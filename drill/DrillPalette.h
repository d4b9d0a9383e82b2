#pragma once

#include "DrillColours.h"

#include <QColor>

// How typed characters are coloured in the panes: the usual look, or high contrast for a learner
// who sees less well or tells red from blue badly. In high contrast a wrong character is not
// told by its hue alone: it stands white on a dark red block, a right one dark on the white page,
// so the two differ in lightness as much as in colour.
struct DrillPalette {
    QColor right;
    QColor rightAfterError;
    QColor wrong;
    // The ground of a wrong character; invalid for the pane's own.
    QColor wrongGround;
    // The page and its untyped text.
    QColor page;
    QColor untyped;

    static DrillPalette standard()
    {
        return {DrillColours::Right, DrillColours::RightAfterError, DrillColours::Wrong, QColor(), QColor(),
            DrillColours::Untyped};
    }
    static DrillPalette highContrast()
    {
        return {QColor(0, 0, 140), QColor(90, 0, 120), QColor(255, 255, 255), QColor(190, 0, 0), QColor(255, 255, 255),
            QColor(0, 0, 0)};
    }
    bool marksGround() const
    {
        return wrongGround.isValid();
    }
};
