#include "KeyboardLayout.h"

namespace KeyboardLayout
{

namespace
{

constexpr QRgb LeftHand = qRgb(192, 192, 255);
constexpr QRgb RightHand = qRgb(255, 255, 192);
constexpr QRgb Thumbs = qRgb(255, 192, 255);
constexpr int FrameMargin = 120;

// Frame 0 has no key inside; it stands left of the space bar, the size of a letter key's frame.
constexpr QRect NoKeyFrame {120, 2640, 735, 735};

constexpr Key key(int index, char16_t caption, int left, int top, QRgb colour, int finger)
{
    return {index, caption, nullptr, QRect(left, top, 495, 495), colour, finger};
}

const std::array<Key, KeyCount> Keys = {{
    key(0, u'Q', 360, 240, LeftHand, 5),
    key(1, u'W', 1080, 240, LeftHand, 6),
    key(2, u'E', 1800, 240, LeftHand, 7),
    key(3, u'R', 2520, 240, LeftHand, 8),
    key(4, u'T', 3240, 240, LeftHand, 8),
    key(5, u'Y', 3960, 240, RightHand, 3),
    key(6, u'U', 4680, 240, RightHand, 3),
    key(7, u'I', 5400, 240, RightHand, 2),
    key(8, u'O', 6120, 240, RightHand, 1),
    key(9, u'P', 6840, 240, RightHand, 0),
    key(10, u'`', 7560, 240, RightHand, 0),
    key(11, u'+', 8280, 240, RightHand, 0),
    {SpaceBar, 0, nullptr, QRect(1680, 2760, 6375, 495), Thumbs, EitherThumb},
    key(13, u'A', 720, 1080, LeftHand, 5),
    key(14, u'S', 1440, 1080, LeftHand, 6),
    key(15, u'D', 2160, 1080, LeftHand, 7),
    key(16, u'F', 2880, 1080, LeftHand, 8),
    key(17, u'G', 3600, 1080, LeftHand, 8),
    key(18, u'H', 4320, 1080, RightHand, 3),
    key(19, u'J', 5040, 1080, RightHand, 3),
    key(20, u'K', 5760, 1080, RightHand, 2),
    key(21, u'L', 6480, 1080, RightHand, 1),
    key(22, u'Ñ', 7200, 1080, RightHand, 0),
    key(23, u'´', 7920, 1080, RightHand, 0),
    key(24, u'Ç', 8640, 1080, RightHand, 0),
    key(25, u'Z', 1080, 1920, LeftHand, 5),
    key(26, u'X', 1800, 1920, LeftHand, 6),
    key(27, u'C', 2520, 1920, LeftHand, 7),
    key(28, u'V', 3240, 1920, LeftHand, 8),
    key(29, u'B', 3960, 1920, LeftHand, 8),
    key(30, u'N', 4680, 1920, RightHand, 3),
    key(31, u'M', 5400, 1920, RightHand, 3),
    key(32, u',', 6120, 1920, RightHand, 2),
    key(33, u'.', 6840, 1920, RightHand, 1),
    key(34, u'-', 7560, 1920, RightHand, 0),
    {EnterKey, 0, "imagenes/intro.png", QRect(8400, 1920, 735, 1335), RightHand, 0},
    {ShiftKey, 0, "imagenes/mayus.png", QRect(240, 1920, 495, 495), LeftHand, 5},
}};

} // namespace

const std::array<Key, KeyCount> &keys()
{
    return Keys;
}

QRect frame(int index)
{
    if (index == 0) {
        return NoKeyFrame;
    }
    const QRect &key = Keys.at(index == FrameCount - 1 ? 0 : index).twips;
    return key.adjusted(-FrameMargin, -FrameMargin, FrameMargin, FrameMargin);
}

} // namespace KeyboardLayout
