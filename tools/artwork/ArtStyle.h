#pragma once

#include <QColor>

// The few colours every picture shares, so the set reads as one family.
namespace ArtStyle
{

// Outlines: a warm near-black, softer than pure black at small sizes.
inline const QColor Ink(43, 38, 52);

// The paper of the typing window's background; animations shown over it blend their edges
// into this colour.
inline const QColor Paper(250, 247, 238);

// The keyboard's own colours, as the typing window paints its keys.
inline const QColor LeftHandKey(192, 192, 255);
inline const QColor RightHandKey(255, 255, 192);
inline const QColor SpaceKey(255, 192, 255);

inline const QColor Skin(246, 200, 160);

// The raised finger, bright enough to stand out once the pointer shrinks to 32 pixels.
inline const QColor RaisedFinger(236, 84, 46);

} // namespace ArtStyle
