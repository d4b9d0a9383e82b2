#include "WindowLayout.h"

#include <algorithm>
#include <cmath>

namespace WindowLayout
{

namespace
{

// Room kept between the window's right edge and what the layout places last on a row.
constexpr float RightMargin = 100;
// Between two controls that would otherwise touch.
constexpr float Gap = 15;
// What the work area keeps free around the exercise pane and the keyboard, top to bottom.
constexpr float PaneMargins = 600;

// The arithmetic is single precision, as the layout was first worked out; at twips that only
// ever differs from double precision on screens no one has.
float left(const QRectF &r)
{
    return static_cast<float>(r.left());
}

float top(const QRectF &r)
{
    return static_cast<float>(r.top());
}

float width(const QRectF &r)
{
    return static_cast<float>(r.width());
}

float height(const QRectF &r)
{
    return static_cast<float>(r.height());
}

void fitToolBar(ControlGeometry &g, float W)
{
    const QRectF &last = *g.toolBarRow().back();
    const float scale = std::clamp((W - RightMargin) / (left(last) + width(last)), SmallestToolBarScale, 1.0f);
    for (QRectF *control : g.toolBarRow()) {
        *control = QRectF(control->left() * scale, control->top(), control->width() * scale, control->height());
    }
    if (scale < 1.0f) {
        // As drawn the ticker reaches under the random button, where its figures never go; closed
        // up, they are fitted to the room before it.
        for (QRectF *ticker : {&g.speedLabel, &g.timeLabel}) {
            ticker->setRight(std::min(ticker->right(), g.randomButton.left()));
        }
    }
}

// The steps in their order: steps 2 and 5 read the exercise pane's design place before steps 9
// and 10 move it, and the work area is complete before anything is placed against it.
Placement place(float W, float H, const ControlGeometry &design)
{
    ControlGeometry g = design;
    fitToolBar(g, W);
    QRectF &work = g.workArea;
    QRectF &pane = g.exercisePane;
    const QRectF &tool = g.firstToolButton;

    g.lineAnimation.moveTop(top(tool) + height(tool) + 25);
    work.moveLeft(left(pane));
    work.setWidth(W - left(pane) - RightMargin);
    work.moveTop(top(tool) + height(tool) + 150);
    work.setHeight(H - (top(pane) + height(g.rightCount) + 450));

    // The keyboard is centred in the work area, 20 twips above its bottom edge.
    g.keyboard.moveLeft((width(work) - width(g.keyboard)) / 2 + left(work));
    g.keyboard.moveTop(height(work) + top(work) - height(g.keyboard) - 20);

    pane.setWidth(width(work) - 1000);
    pane.moveLeft(left(work) + 500);
    pane.moveTop(top(work) + 200);
    pane.setHeight(height(work) - height(g.keyboard) - PaneMargins);
    const auto textPaneHeight = static_cast<qint32>(std::nearbyint(height(pane))); // ties to even

    g.echoPane.moveLeft(left(pane));
    g.echoPane.setWidth(width(pane));
    g.echoPane.moveTop(top(pane));
    g.languageList.moveTop(top(work));
    g.echoPane.setHeight(height(pane));

    // The hint line sits 250 twips below the work area, the four figures beside it.
    g.hintLine.moveTop(height(work) + top(work) + 250);
    for (QRectF *figure : {&g.rightCount, &g.wrongCount, &g.bestSpeed, &g.averageSpeed}) {
        figure->moveTop(top(g.hintLine) - 175);
    }
    g.rightCount.moveLeft(left(work));
    g.wrongCount.moveLeft(left(g.rightCount) + width(g.rightCount));
    g.bestSpeed.moveLeft(left(g.wrongCount) + width(g.wrongCount) + 50);
    g.averageSpeed.moveLeft(left(g.bestSpeed) + width(g.bestSpeed));
    g.placeCounterCaptions();

    g.lessonList.setHeight(height(work) - 400);
    g.nextCharLabel.moveTop(top(g.lessonList) + height(g.lessonList) + 200);
    g.nextCharLabel.moveLeft(left(g.lessonList) + 100);
    g.hintLine.moveLeft(left(g.averageSpeed) + width(g.averageSpeed) + 200);
    g.waveAnimation.moveTop(top(g.hintLine));
    g.waveAnimation.moveLeft(left(g.hintLine) + 50);

    // The accuracy sits in the window's bottom-right corner.
    g.accuracyLabel.moveLeft(W - width(g.accuracyLabel) - 50);
    g.accuracyLabel.moveTop(H - height(g.accuracyLabel) - 150);
    // Their heights overlap: in a window narrower than both side by side (about 1060 pixels) a hint
    // would be written over the accuracy; it wraps before it instead.
    g.hintLine.setWidth(std::min(width(g.hintLine), left(g.accuracyLabel) - Gap - left(g.hintLine)));

    // Where it was drawn, the current exercise would end up under the lesson list and the exercise
    // pane of a window-sized workspace; it goes to the tool bar, after the last button, with
    // the rest of the row for a long lesson name. A window too narrow for it there (a 1080p screen
    // at 200 %) shows it in the strip under the hint line, between the counters and the accuracy,
    // in smaller type, rather than cutting it to its first letters.
    const QRectF &lastOnRow = *g.toolBarRow().back();
    QRectF &exercise = g.exerciseLabel;
    exercise.moveTopLeft({left(lastOnRow) + width(lastOnRow) + 120, 240});
    const float restOfToolBar = W - RightMargin - left(exercise);
    if (restOfToolBar >= width(design.exerciseLabel)) {
        exercise.setWidth(restOfToolBar);
    } else {
        const float below = top(g.hintLine) + height(g.hintLine) + Gap;
        exercise = QRectF(left(g.hintLine), below,
            std::min(width(exercise), left(g.accuracyLabel) - RightMargin - left(g.hintLine)),
            top(g.accuracyLabel) + height(g.accuracyLabel) - below);
    }
    return {g, textPaneHeight};
}

} // namespace

// Where the work area is too low for the keyboard as drawn above an exercise pane paneHeight high,
// or too narrow for it, the keyboard is drawn smaller, keeping its proportions, just enough to fit;
// an area that has room is laid out exactly as the steps say. Below SmallestKeyboardScale the
// keyboard shrinks no further and the layout is made for the smallest area that can hold it: the
// work area grows twip for twip with the area, so the shortfall is exactly what the area lacks.
// The window keeps itself at least minimumInnerSize, so that only happens on a screen smaller
// than that.
Placement layOutWindow(const QSizeF &inner, const ControlGeometry &design, float paneHeight)
{
    const auto W = static_cast<float>(inner.width());
    const auto H = static_cast<float>(inner.height());
    const Placement fitted = place(W, H, design);
    const QRectF &work = fitted.geometry.workArea;
    const float keyboardWidth = width(design.keyboard);
    const float keyboardHeight = height(design.keyboard);
    if (width(work) >= keyboardWidth && height(fitted.geometry.exercisePane) >= paneHeight) {
        return fitted;
    }
    const float fits
        = std::min(width(work) / keyboardWidth, (height(work) - PaneMargins - paneHeight) / keyboardHeight);
    const float scale = std::clamp(fits, SmallestKeyboardScale, 1.0f);
    ControlGeometry smaller = design;
    smaller.keyboard.setSize(QSizeF(keyboardWidth * scale, keyboardHeight * scale));
    Placement result = place(W, H, smaller);
    if (fits < SmallestKeyboardScale) {
        const float narrower = std::max(0.0f, width(smaller.keyboard) - width(result.geometry.workArea));
        const float lower = std::max(0.0f, paneHeight - height(result.geometry.exercisePane));
        result = place(W + narrower, H + lower, smaller);
    }
    result.keyboardScale = scale;
    return result;
}

QSizeF minimumInnerSize(const ControlGeometry &design, float paneHeight)
{
    // The tool bar at its closest, and the smallest keyboard with the work area's margins must fit
    // across; down, the steps' fixed heights plus the smallest keyboard, its gap and the pane.
    ControlGeometry geometry = design;
    const QRectF lastOnToolBar = *geometry.toolBarRow().back();
    const float toolBar = (left(lastOnToolBar) + width(lastOnToolBar)) * SmallestToolBarScale + RightMargin;
    const float keyboard = left(design.exercisePane) + width(design.keyboard) * SmallestKeyboardScale + RightMargin;
    const float fixedHeights = top(design.exercisePane) + height(design.rightCount) + 450;
    const float workHeight = height(design.keyboard) * SmallestKeyboardScale + PaneMargins + paneHeight;
    return {std::max(toolBar, keyboard), fixedHeights + workHeight};
}

} // namespace WindowLayout
