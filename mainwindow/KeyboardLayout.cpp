#include "KeyboardLayout.h"

namespace KeyboardLayout
{

namespace
{

constexpr QRgb LeftHand = qRgb(192, 192, 255);
constexpr QRgb RightHand = qRgb(255, 255, 192);
constexpr QRgb Thumbs = qRgb(255, 192, 255);
constexpr int FrameMargin = 120;
constexpr int KeySide = 495;
constexpr int KeyPitch = 720;
constexpr int RowPitch = 840;
constexpr int FirstRowTop = 240;
// Each row starts half a key right of the one above, as the letters always did.
constexpr int RowStart[] = {120, 480, 840, 1200};

// Frame 0 has no key inside; it stands left of the space bar, the size of a letter key's frame.
constexpr QRect NoKeyFrame {960, 3480, 735, 735};

constexpr int rowTop(KeyboardKeys::Row row)
{
    return FirstRowTop + RowPitch * row;
}

QRect placeOf(const KeyboardKeys::Key &key)
{
    switch (key.index) {
    case SpaceBar:
        return {2520, rowTop(KeyboardKeys::SpaceRow), 5655, KeySide};
    case AltGrKey:
        return {8400, rowTop(KeyboardKeys::SpaceRow), KeySide, KeySide};
    // Enter reaches down beside the space bar, as it always has on this drawing.
    case EnterKey:
        return {9240, rowTop(KeyboardKeys::BottomRow), 735, 1335};
    default:
        return {RowStart[key.row] + KeyPitch * key.column, rowTop(key.row), KeySide, KeySide};
    }
}

QRgb colourOf(int finger)
{
    if (finger == EitherThumb || finger == 4 || finger == 9) {
        return Thumbs;
    }
    return finger < 5 ? RightHand : LeftHand;
}

const char *pictureOf(int key)
{
    switch (key) {
    case EnterKey:
        return "imagenes/intro.png";
    case ShiftKey:
        return "imagenes/mayus.png";
    default:
        return nullptr;
    }
}

} // namespace

const std::array<Key, KeyCount> &keys()
{
    static const std::array<Key, KeyCount> drawn = [] {
        std::array<Key, KeyCount> all {};
        for (const KeyboardKeys::Key &key : KeyboardKeys::keys()) {
            const int finger = KeyboardKeys::fingerOf(key.index);
            all[key.index] = {key.index, pictureOf(key.index), placeOf(key), colourOf(finger), finger};
        }
        return all;
    }();
    return drawn;
}

QRect frame(int index)
{
    const int key = KeyboardKeys::keyOf(index);
    if (key < 0) {
        return NoKeyFrame;
    }
    return keys().at(key).twips.adjusted(-FrameMargin, -FrameMargin, FrameMargin, FrameMargin);
}

} // namespace KeyboardLayout
