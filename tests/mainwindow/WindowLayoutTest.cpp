#include "WindowLayout.h"

#include <gtest/gtest.h>

using WindowLayout::LayoutWindow;

TEST(WindowLayout, SmallestDesignedScreenComesOutAsWorkedOut)
{
    const ControlGeometry design = ControlGeometry::design();
    const WindowLayout::Placement placed = LayoutWindow(QSizeF(12000, 9000), design);
    const ControlGeometry &g = placed.geometry;

    EXPECT_EQ(g.workArea, QRectF(2280, 1005, 9620, 6735));
    EXPECT_EQ(g.keyboard, QRectF(2342.5, 4225, 9495, 3495));
    EXPECT_EQ(g.exercisePane, QRectF(2780, 1205, 8620, 2640));
    EXPECT_EQ(g.echoPane, g.exercisePane);
    EXPECT_EQ(placed.TextPaneHeight, 2640);
    EXPECT_EQ(g.hintLine, QRectF(5950, 7990, 6615, 495));
    EXPECT_EQ(g.rightCount.topLeft(), QPointF(2280, 7815));
    EXPECT_EQ(g.averageSpeed.topLeft(), QPointF(4895, 7815));
    EXPECT_EQ(g.accuracyLabel.topLeft(), QPointF(8695, 8235));
    EXPECT_EQ(g.waveAnimation.topLeft(), QPointF(6000, 7990));
    EXPECT_EQ(g.nextCharLabel.topLeft(), QPointF(220, 7975));
    EXPECT_EQ(g.exitButton, design.exitButton); // the tool bar stays as drawn

    // The pane is 6360 twips lower than the screen; its height in whole twips rounds halves to even.
    EXPECT_EQ(LayoutWindow(QSizeF(12000, 9000.5), design).TextPaneHeight, 2640);
    EXPECT_EQ(LayoutWindow(QSizeF(12000, 9001.5), design).TextPaneHeight, 2642);
}

TEST(WindowLayout, ScreenTooSmallKeepsTheWholeKeyboardAndOneLineOfExercise)
{
    // 640 x 400 pixels at 96 dpi: too narrow for the keyboard and too low for the pane.
    const WindowLayout::Placement placed = LayoutWindow(QSizeF(9600, 6000), ControlGeometry::design());
    const ControlGeometry &g = placed.geometry;
    EXPECT_EQ(placed.TextPaneHeight, WindowLayout::MinimumPaneHeight);
    EXPECT_EQ(g.workArea.width(), g.keyboard.width());
    EXPECT_TRUE(g.workArea.contains(g.exercisePane) && g.workArea.contains(g.keyboard));
    EXPECT_FALSE(g.exercisePane.intersects(g.keyboard));
    EXPECT_GT(g.lessonList.height(), 0);
    EXPECT_GT(g.hintLine.top(), g.workArea.bottom());
}
