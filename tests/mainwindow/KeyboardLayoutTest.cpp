#include "KeyboardLayout.h"

#include <gtest/gtest.h>

using KeyboardLayout::frame;
using KeyboardLayout::keys;

TEST(KeyboardLayout, FramesSurroundTheirKeysInsideTheKeyboard)
{
    for (int k = 1; k <= 36; ++k) {
        EXPECT_EQ(frame(k), keys()[k].twips.adjusted(-120, -120, 120, 120)) << k;
    }
    EXPECT_EQ(frame(37), QRect(240, 120, 735, 735)); // around Q
    EXPECT_EQ(frame(0), QRect(120, 2640, 735, 735)); // no key: left of the space bar
    const QRect keyboard(QPoint(0, 0), KeyboardLayout::Size);
    for (int f = 0; f < KeyboardLayout::FrameCount; ++f) {
        EXPECT_TRUE(keyboard.contains(frame(f))) << f;
    }
    // The hit test relies on no two keys, and no key and frame 0, sharing a pixel.
    for (int i = 0; i < KeyboardLayout::KeyCount; ++i) {
        EXPECT_FALSE(frame(0).intersects(keys()[i].twips)) << i;
        for (int j = i + 1; j < KeyboardLayout::KeyCount; ++j) {
            EXPECT_FALSE(keys()[i].twips.intersects(keys()[j].twips)) << i << " and " << j;
        }
    }
}
