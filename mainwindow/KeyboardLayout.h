#pragma once

#include <QRect>
#include <QRgb>

#include <array>

// The drawn Spanish keyboard: its 37 keys and the 38 frames behind them, in twips relative to
// the keyboard's own area. One table, so the drawing, the hit test and the finger pointer
// cannot disagree about where a key is.
namespace KeyboardLayout
{

constexpr int KeyCount = 37;
constexpr int FrameCount = 38;
constexpr int SpaceBar = 12;
constexpr int EnterKey = 35;
constexpr int ShiftKey = 36;
// The space bar is typed with either thumb; the pointer picks one at random.
constexpr int EitherThumb = -1;
constexpr QSize Size {9495, 3495};

struct Key {
    int index;
    char16_t caption; // 0 for a key without a letter: the space bar and the two picture keys
    const char *picture; // relative to the data folder, or nullptr
    QRect twips;
    QRgb colour; // left hand, right hand or space bar
    int finger; // 0 to 9 (right little finger to left thumb) or EitherThumb
};

const std::array<Key, KeyCount> &keys();

// Frame k surrounds key k, 120 twips larger on every side, except frame 37, which surrounds
// key 0 (Q), and frame 0, which surrounds no key: it stands left of the space bar and lights up
// for characters that have no key on the drawing.
QRect frame(int index);

} // namespace KeyboardLayout
