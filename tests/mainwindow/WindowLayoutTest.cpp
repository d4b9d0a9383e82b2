#include "WindowLayout.h"
#include "Twips.h"

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
}

TEST(WindowLayout, TextPaneHeightRoundsHalvesToEven)
{
    // The exercise pane is 6360 twips lower than the screen.
    const std::pair<double, qint32> rows[] = {{9000.5, 2640}, {9001.5, 2642}, {9000.75, 2641}};
    for (const auto &[screenHeight, textPaneHeight] : rows) {
        EXPECT_EQ(LayoutWindow(QSizeF(12000, screenHeight), ControlGeometry::design()).TextPaneHeight, textPaneHeight);
    }
}

TEST(WindowLayout, SmallScreensKeepTheExercisePaneAndNormalOnesAreUntouched)
{
    const struct {
        QSizeF screen;
        bool roomy;
    } rows[] = {
        {Twips::fromPixels({1024, 600}, 96), true},
        {Twips::fromPixels({1280, 720}, 144), true},
        {Twips::fromPixels({3840, 2160}, 192), true},
        {Twips::fromPixels({1024, 400}, 96), false},
        {Twips::fromPixels({640, 480}, 96), false},
        {Twips::fromPixels({100, 100}, 96), false},
        {QSizeF(-5000, 0), false},
    };
    for (const auto &row : rows) {
        const WindowLayout::Placement placed = LayoutWindow(row.screen, ControlGeometry::design());
        const ControlGeometry &g = placed.geometry;
        const bool asDesigned
            = g.workArea.width() == row.screen.width() - 2380 && g.exercisePane.height() == row.screen.height() - 6360;
        EXPECT_EQ(asDesigned, row.roomy) << row.screen.width() << "x" << row.screen.height();
        EXPECT_GE(placed.TextPaneHeight, WindowLayout::MinimumPaneHeight);
        EXPECT_TRUE(g.workArea.contains(g.exercisePane) && g.workArea.contains(g.keyboard));
        EXPECT_FALSE(g.exercisePane.intersects(g.keyboard));
        EXPECT_GT(g.lessonList.height(), 0);
        EXPECT_GT(g.hintLine.top(), g.workArea.bottom());
        EXPECT_GE(g.accuracyLabel.left(), 0);
    }
}
