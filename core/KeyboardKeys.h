#pragma once

#include <QString>

#include <array>

// The keys of the Spanish-speaking world's keyboards as the typing window draws them: where each
// sits (row and column), which finger types it, and which frame of the drawing surrounds it. The
// characters on them come from the layout (KeyboardMap); the places are the same on every layout.
namespace KeyboardKeys
{

// Keys 0 to 36 are the letters, signs, space, Enter and Shift of the first drawing; the number
// row, the key left of Z and AltGr came later and follow them, so a key keeps its number.
constexpr int Count = 52;
constexpr int SpaceBar = 12;
constexpr int EnterKey = 35;
constexpr int ShiftKey = 36;
constexpr int AltGrKey = 51;
// Frame k surrounds key k for k = 1 to 36, frame 37 the Q (key 0) and frame k + 1 key k from 37
// on; frame 0 surrounds no key and lights for a character no key types.
constexpr int FrameCount = Count + 1;
constexpr int NoKeyFrame = 0;
// The space bar is typed with either thumb.
constexpr int EitherThumb = -1;

enum Row { NumberRow, TopRow, HomeRow, BottomRow, SpaceRow };

struct Key {
    int index;
    const char *xkbName; // as the layout files name the key, without the angle brackets
    Row row;
    // 0 for the leftmost key of a row of characters (º, the key left of Z), 1 for the 1, Q, A and
    // Z, and so on; Shift is -1. The space bar, Enter and AltGr are placed by the drawing alone.
    int column;
};

const std::array<Key, Count> &keys();
// The key the layout files call xkbName, or -1.
int keyNamed(const QString &xkbName);
// The finger number of a key: 0 to 4 right little finger to right thumb, 5 to 9 the left hand's,
// or EitherThumb for the space bar.
int fingerOf(int key);
int frameOf(int key);
// The key frame surrounds, or -1 for frame 0.
int keyOf(int frame);

} // namespace KeyboardKeys
