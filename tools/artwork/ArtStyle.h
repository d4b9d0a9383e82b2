#pragma once

#include <QColor>

// The few colours every picture shares, so the set reads as one family.
namespace ArtStyle
{

// Outlines: a warm near-black, softer than pure black at small sizes.
inline QColor ink()
{
    return QColor(43, 38, 52);
}

// The paper of the typing window's background; animations shown over it blend their edges
// into this colour.
inline QColor paper()
{
    return QColor(250, 247, 238);
}

// The keyboard's own colours, as the typing window paints its keys.
inline QColor leftHandKey()
{
    return QColor(192, 192, 255);
}

inline QColor rightHandKey()
{
    return QColor(255, 255, 192);
}

inline QColor spaceKey()
{
    return QColor(255, 192, 255);
}

inline QColor skin()
{
    return QColor(246, 200, 160);
}

// The raised finger, bright enough to stand out once the pointer shrinks to 32 pixels.
inline QColor raisedFinger()
{
    return QColor(236, 84, 46);
}

} // namespace ArtStyle
