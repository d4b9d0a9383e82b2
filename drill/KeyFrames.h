#pragma once

#include <QColor>

// The frames drawn around the keys of the on-screen keyboard, addressed by frame index
// (0 to 52, KeyboardKeys::frameOf), as the keyboard guide sees them.
class KeyFrames
{
public:
    virtual ~KeyFrames() = default;
    virtual void setFrameColour(int frame, const QColor &colour) = 0;
};
