#include "WindowLayout.h"

#include <QList>

#include <gtest/gtest.h>

using WindowLayout::layOutWindow;

TEST(WindowLayout, ScreenTooSmallKeepsTheWholeKeyboardAndOneLineOfExercise)
{
    // 640 x 400 pixels at 96 dpi: too narrow for the keyboard and too low for the pane.
    const WindowLayout::Placement placed = layOutWindow(QSizeF(9600, 6000), ControlGeometry::design());
    const ControlGeometry &g = placed.geometry;
    EXPECT_EQ(placed.textPaneHeight, WindowLayout::MinimumPaneHeight);
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
        g.minimiseButton, g.exitButton, g.exerciseLabel, g.reactionPicture, g.counterCaptions[0], g.counterCaptions[1],
        g.counterCaptions[2], g.counterCaptions[3]};
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
        const ControlGeometry g = layOutWindow(row.inner, design).geometry;
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
