#pragma once

#include <QRgb>

// What a history file keeps of a run of text: the attributes the drill paints with. Fonts, italics
// and the rest are dropped on loading, as the panes show everything in Arial.
struct RtfStyle {
    QRgb colour = qRgb(0, 0, 0);
    bool bold = false; // the drill's one emphasis attribute
    int halfPoints = 24; // RTF's own unit and default: 12 pt

    bool operator==(const RtfStyle &) const = default;
};
