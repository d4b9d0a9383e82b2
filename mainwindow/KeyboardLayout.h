#pragma once

#include "KeyboardKeys.h"

#include <QRect>
#include <QRgb>

#include <array>

// The drawn keyboard: its 52 keys and the 53 frames behind them, in twips relative to the
// keyboard's own area. One table, so the drawing, the hit test and the finger pointer cannot
// disagree about where a key is. The places follow the rows and columns of KeyboardKeys, so every
// layout is drawn on the same board.
namespace KeyboardLayout
{

constexpr int KeyCount = KeyboardKeys::Count;
constexpr int FrameCount = KeyboardKeys::FrameCount;
constexpr int SpaceBar = KeyboardKeys::SpaceBar;
constexpr int EnterKey = KeyboardKeys::EnterKey;
constexpr int ShiftKey = KeyboardKeys::ShiftKey;
constexpr int AltGrKey = KeyboardKeys::AltGrKey;
constexpr int EitherThumb = KeyboardKeys::EitherThumb;
constexpr QSize Size {10215, 4335};

struct Key {
    int index;
    const char *picture; // relative to the data folder, or nullptr
    QRect twips;
    QRgb colour; // left hand, right hand or thumbs
    int finger; // 0 to 9 (right little finger to left thumb) or EitherThumb
};

const std::array<Key, KeyCount> &keys();

// Frame k surrounds the key KeyboardKeys::keyOf(k), 120 twips larger on every side; frame 0
// surrounds no key: it stands left of the space bar and lights up for characters no key types.
QRect frame(int index);

} // namespace KeyboardLayout
