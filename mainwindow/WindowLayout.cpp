#include "WindowLayout.h"

#include <algorithm>
#include <cmath>

namespace WindowLayout
{

namespace
{

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

// The steps in their order: steps 2 and 5 read the exercise pane's design place before steps 9
// and 10 move it, and the work area is complete before anything is placed against it.
Placement place(float W, float H, const ControlGeometry &design)
{
    ControlGeometry g = design;
    QRectF &work = g.workArea;
    QRectF &pane = g.exercisePane;
    const QRectF &tool = g.firstToolButton;

    g.lineAnimation.moveTop(top(tool) + height(tool) + 25);
    work.moveLeft(left(pane));
    work.setWidth(W - left(pane) - 100);
    work.moveTop(top(tool) + height(tool) + 150);
    work.setHeight(H - (top(pane) + height(g.rightCount) + 450));

    // The keyboard is centred in the work area, 20 twips above its bottom edge.
    g.keyboard.moveLeft((width(work) - width(g.keyboard)) / 2 + left(work));
    g.keyboard.moveTop(height(work) + top(work) - height(g.keyboard) - 20);

    pane.setWidth(width(work) - 1000);
    pane.moveLeft(left(work) + 500);
    pane.moveTop(top(work) + 200);
    pane.setHeight(height(work) - height(g.keyboard) - 600);
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

    g.lessonList.setHeight(height(work) - 400);
    g.nextCharLabel.moveTop(top(g.lessonList) + height(g.lessonList) + 200);
    g.nextCharLabel.moveLeft(left(g.lessonList) + 100);
    g.hintLine.moveLeft(left(g.averageSpeed) + width(g.averageSpeed) + 200);
    g.waveAnimation.moveTop(top(g.hintLine));
    g.waveAnimation.moveLeft(left(g.hintLine) + 50);

    // Where it was drawn, the current exercise would end up under the lesson list and the exercise
    // pane of a screen-sized window; it goes to the tool bar, after the reaction picture.
    g.exerciseLabel.moveTopLeft({left(g.reactionPicture) + width(g.reactionPicture) + 120, 240});

    // The accuracy sits in the screen's bottom-right corner.
    g.accuracyLabel.moveLeft(W - width(g.accuracyLabel) - 50);
    g.accuracyLabel.moveTop(H - height(g.accuracyLabel) - 150);
    return {g, textPaneHeight};
}

} // namespace

// On a screen too small for the design the steps would give the work area and the panes zero
// or negative sizes. The rule: the work area is never narrower than the keyboard it holds, and
// the exercise pane never lower than MinimumPaneHeight; when the screen cannot give that, the
// layout is made for the smallest screen that can, and the window reaches past the screen's
// right or bottom edge rather than losing the pane. Both sizes grow twip for twip with the
// screen, so the shortfall is exactly what the screen lacks. A screen that has room is laid out
// exactly as the steps say.
Placement LayoutWindow(const QSizeF &screen, const ControlGeometry &design)
{
    const auto W = static_cast<float>(screen.width());
    const auto H = static_cast<float>(screen.height());
    const Placement fitted = place(W, H, design);
    const float narrower = std::max(0.0f, width(design.keyboard) - width(fitted.geometry.workArea));
    const float lower = std::max(0.0f, MinimumPaneHeight - height(fitted.geometry.exercisePane));
    if (narrower == 0 && lower == 0) {
        return fitted;
    }
    return place(W + narrower, H + lower, design);
}

} // namespace WindowLayout
