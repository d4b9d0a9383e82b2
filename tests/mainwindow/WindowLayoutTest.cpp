#include "WindowLayout.h"

#include <QList>

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
    // The hint line stops short of the accuracy rather than run under it.
    EXPECT_EQ(g.hintLine, QRectF(5950, 7990, 2730, 495));
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

namespace
{

QList<QRectF> everyControl(const ControlGeometry &g)
{
    return {g.workArea, g.keyboard, g.exercisePane, g.echoPane, g.firstToolButton, g.rightCount, g.wrongCount,
        g.bestSpeed, g.averageSpeed, g.languageList, g.lessonList, g.hintLine, g.nextCharLabel, g.accuracyLabel,
        g.lineAnimation, g.waveAnimation, g.flag, g.exerciseNumber, g.previousExerciseButton, g.startButton,
        g.historyButton, g.textSizeButton, g.speedLabel, g.timeLabel, g.randomButton, g.reportButton, g.keyboardButton,
        g.minimiseButton, g.exitButton, g.exerciseLabel, g.reactionPicture};
}

// Pixels at 96 dpi in twips.
QSizeF pixels(int width, int height)
{
    return {width * 15.0, height * 15.0};
}

} // namespace

TEST(WindowLayout, EveryControlLiesWholeInsideTheWindowItIsLaidOutFor)
{
    const ControlGeometry design = ControlGeometry::design();
    const QSizeF smallest = WindowLayout::minimumInnerSize(design);
    // The tool bar with the reaction picture sets the width, the keyboard and one line of
    // exercise the height.
    EXPECT_EQ(smallest, QSizeF(14155, 7080));
    const struct {
        const char *name;
        QSizeF inner;
        bool exerciseOnToolBar;
    } rows[] = {
        {"1920 x 1080 less a 62 px panel and title bar", pixels(1920, 1018), true},
        {"1366 x 768 less 70 px", pixels(1366, 698), true},
        {"1080p at 200 %", pixels(960, 540), false},
        {"the smallest window", smallest, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const ControlGeometry g = LayoutWindow(row.inner, design).geometry;
        const QRectF window(QPointF(), row.inner);
        for (const QRectF &control : everyControl(g)) {
            EXPECT_TRUE(window.contains(control)) << control.left() << ", " << control.top();
        }
        // The current exercise has room for a long lesson name, and where it goes it covers nothing.
        EXPECT_EQ(g.exerciseLabel.top() == 240, row.exerciseOnToolBar);
        EXPECT_GE(g.exerciseLabel.width(), row.exerciseOnToolBar ? design.exerciseLabel.width() : 4500);
        for (const QRectF &control : everyControl(g)) {
            EXPECT_TRUE(control == g.exerciseLabel || !control.intersects(g.exerciseLabel));
        }
        EXPECT_FALSE(g.hintLine.intersects(g.accuracyLabel));
        EXPECT_GE(g.exercisePane.height(), WindowLayout::MinimumPaneHeight);
    }
}
