#include "WindowLayout.h"

#include <QList>
#include <array>

#include <gtest/gtest.h>

using WindowLayout::layOutWindow;

namespace
{

QList<QRectF> everyControl(const ControlGeometry &g)
{
    return {g.workArea, g.keyboard, g.exercisePane, g.echoPane, g.firstToolButton, g.rightCount, g.wrongCount,
        g.bestSpeed, g.averageSpeed, g.languageList, g.lessonList, g.hintLine, g.nextCharLabel, g.accuracyLabel,
        g.lineAnimation, g.waveAnimation, g.flag, g.exerciseNumber, g.previousExerciseButton, g.startButton,
        g.historyButton, g.textSizeButton, g.speedLabel, g.timeLabel, g.randomButton, g.reportButton, g.keyboardButton,
        g.minimiseButton, g.exitButton, g.exerciseLabel, g.reactionPicture, g.openTextButton, g.examButton,
        g.layoutButton, g.settingsButton, g.counterCaptions[0], g.counterCaptions[1], g.counterCaptions[2],
        g.counterCaptions[3]};
}

// Pixels at 96 dpi in twips.
QSizeF pixels(int width, int height)
{
    return {width * 15.0, height * 15.0};
}

// Two lines of 36-point text with the pane's frame and margins.
constexpr float TwoLines = 1800;

} // namespace

TEST(WindowLayout, BelowTheDesignSizeTheKeyboardShrinksBeforeThePaneLosesItsTwoLines)
{
    const ControlGeometry design = ControlGeometry::design();
    const struct {
        const char *name;
        QSizeF inner;
        float scale; // of the keyboard, to 1/1000
    } rows[] = {
        {"just under the design size", pixels(960, 540), 0.792f},
        {"the smallest window", WindowLayout::minimumInnerSize(design, TwoLines), WindowLayout::SmallestKeyboardScale},
        {"a screen smaller than that", pixels(640, 400), WindowLayout::SmallestKeyboardScale},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const WindowLayout::Placement placed = layOutWindow(row.inner, design, TwoLines);
        const ControlGeometry &g = placed.geometry;
        EXPECT_NEAR(placed.keyboardScale, row.scale, 0.001);
        EXPECT_FLOAT_EQ(g.keyboard.width() / g.keyboard.height(), design.keyboard.width() / design.keyboard.height());
        EXPECT_GE(g.exercisePane.height(), TwoLines - 0.01);
        EXPECT_TRUE(g.workArea.contains(g.exercisePane) && g.workArea.contains(g.keyboard));
        EXPECT_FALSE(g.exercisePane.intersects(g.keyboard));
        EXPECT_GT(g.hintLine.top(), g.workArea.bottom());
    }
    // With room for both, the keyboard keeps its size and every pixel stays where it was.
    const WindowLayout::Placement roomy = layOutWindow(pixels(1366, 698), design, TwoLines);
    EXPECT_EQ(roomy.keyboardScale, 1);
    EXPECT_EQ(roomy.geometry.keyboard.size(), design.keyboard.size());
}

TEST(WindowLayout, EveryControlLiesWholeInsideTheWindowItIsLaidOutFor)
{
    const ControlGeometry design = ControlGeometry::design();
    const QSizeF smallest = WindowLayout::minimumInnerSize(design, TwoLines);
    const struct {
        const char *name;
        QSizeF inner;
        bool exerciseOnToolBar;
    } rows[] = {
        {"1920 x 1080 less a 62 px panel and title bar", pixels(1920, 1018), true},
        {"1366 x 768 less 70 px", pixels(1366, 698), false},
        {"1080p at 200 %", pixels(960, 540), false},
        {"the smallest window", smallest, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const ControlGeometry g = layOutWindow(row.inner, design, TwoLines).geometry;
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
        // The tool bar may close up, but the buttons after the reaction picture stay apart.
        const std::array<QRectF, 5> ending
            = {g.reactionPicture, g.openTextButton, g.examButton, g.layoutButton, g.settingsButton};
        for (std::size_t i = 1; i < ending.size(); ++i) {
            EXPECT_FALSE(ending[i - 1].intersects(ending[i])) << i;
        }
        EXPECT_GE(g.exercisePane.height(), TwoLines - 0.01);
    }
}
