#include "KeyboardKeys.h"

#include <algorithm>

namespace KeyboardKeys
{

namespace
{

constexpr int RightThumb = 4;
constexpr int RightLittleFinger = 0;
constexpr int LeftLittleFinger = 5;

constexpr std::array<Key, Count> Keys = {{
    {0, "AD01", TopRow, 1},
    {1, "AD02", TopRow, 2},
    {2, "AD03", TopRow, 3},
    {3, "AD04", TopRow, 4},
    {4, "AD05", TopRow, 5},
    {5, "AD06", TopRow, 6},
    {6, "AD07", TopRow, 7},
    {7, "AD08", TopRow, 8},
    {8, "AD09", TopRow, 9},
    {9, "AD10", TopRow, 10},
    {10, "AD11", TopRow, 11},
    {11, "AD12", TopRow, 12},
    {SpaceBar, "SPCE", SpaceRow, 0},
    {13, "AC01", HomeRow, 1},
    {14, "AC02", HomeRow, 2},
    {15, "AC03", HomeRow, 3},
    {16, "AC04", HomeRow, 4},
    {17, "AC05", HomeRow, 5},
    {18, "AC06", HomeRow, 6},
    {19, "AC07", HomeRow, 7},
    {20, "AC08", HomeRow, 8},
    {21, "AC09", HomeRow, 9},
    {22, "AC10", HomeRow, 10},
    {23, "AC11", HomeRow, 11},
    {24, "BKSL", HomeRow, 12},
    {25, "AB01", BottomRow, 1},
    {26, "AB02", BottomRow, 2},
    {27, "AB03", BottomRow, 3},
    {28, "AB04", BottomRow, 4},
    {29, "AB05", BottomRow, 5},
    {30, "AB06", BottomRow, 6},
    {31, "AB07", BottomRow, 7},
    {32, "AB08", BottomRow, 8},
    {33, "AB09", BottomRow, 9},
    {34, "AB10", BottomRow, 10},
    {EnterKey, "RTRN", BottomRow, 12},
    {ShiftKey, "LFSH", BottomRow, -1},
    {37, "TLDE", NumberRow, 0},
    {38, "AE01", NumberRow, 1},
    {39, "AE02", NumberRow, 2},
    {40, "AE03", NumberRow, 3},
    {41, "AE04", NumberRow, 4},
    {42, "AE05", NumberRow, 5},
    {43, "AE06", NumberRow, 6},
    {44, "AE07", NumberRow, 7},
    {45, "AE08", NumberRow, 8},
    {46, "AE09", NumberRow, 9},
    {47, "AE10", NumberRow, 10},
    {48, "AE11", NumberRow, 11},
    {49, "AE12", NumberRow, 12},
    {50, "LSGT", BottomRow, 0},
    {AltGrKey, "RALT", SpaceRow, 1},
}};

} // namespace

const std::array<Key, Count> &keys()
{
    return Keys;
}

int keyNamed(const QString &xkbName)
{
    const auto found = std::find_if(Keys.begin(), Keys.end(), [&](const Key &key) {
        return xkbName == QLatin1String(key.xkbName);
    });
    return found == Keys.end() ? -1 : found->index;
}

int fingerOf(int key)
{
    switch (key) {
    case SpaceBar:
        return EitherThumb;
    case AltGrKey:
        return RightThumb;
    case EnterKey:
        return RightLittleFinger;
    case ShiftKey:
        return LeftLittleFinger;
    default:
        break;
    }
    // Each finger keeps its column up the board: the little fingers take the outer columns, the
    // index fingers two columns each in the middle.
    constexpr int ByColumn[] = {5, 5, 6, 7, 8, 8, 3, 3, 2, 1, 0, 0, 0};
    return ByColumn[std::clamp(Keys.at(key).column, 0, 12)];
}

int frameOf(int key)
{
    if (key == 0) {
        return 37;
    }
    return key < 37 ? key : key + 1;
}

int keyOf(int frame)
{
    if (frame <= NoKeyFrame || frame >= FrameCount) {
        return -1;
    }
    if (frame == 37) {
        return 0;
    }
    return frame < 37 ? frame : frame - 1;
}

} // namespace KeyboardKeys
