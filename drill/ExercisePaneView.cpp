#include "ExercisePaneView.h"

#include "RichTextPane.h"
#include "VirtualKeys.h"

ExercisePaneView::ExercisePaneView(
    DrillModel &model, RichTextPane &exercisePane, RichTextPane &echoPane, QObject *parent)
    : QObject(parent)
    , model(model)
    , pane(exercisePane)
{
    connect(&pane, &RichTextPane::keyDown, this, [this](int &keyCode, Qt::KeyboardModifiers) {
        onKeyDown(keyCode);
    });
    connect(&pane, &RichTextPane::keyPress, this, &ExercisePaneView::onKeyPress);
    connect(&echoPane, &RichTextPane::keyDown, this, [](int &keyCode, Qt::KeyboardModifiers) {
        keyCode = 0;
    });
    connect(&model, &DrillModel::keyJudged, this, &ExercisePaneView::showJudgement);
    connect(&model, &DrillModel::started, this, [this] {
        pane.setInputEnabled(true);
        pane.setFocus();
    });
    connect(&model, &DrillModel::finished, this, [this] {
        pane.setInputEnabled(false);
        pane.setSelStart(1);
    });
}

void ExercisePaneView::onKeyDown(int &keyCode)
{
    // Where a line break is due, Enter is the only key that counts, and every other key is only
    // an error sound; elsewhere Enter, Delete and Backspace must not edit the text.
    if (model.isRunning() && model.lineBreakDue()) {
        model.judge(keyCode == VirtualKeys::Enter ? DrillModel::Enter : QChar());
        keyCode = 0;
    } else if (keyCode == VirtualKeys::Enter || keyCode == VirtualKeys::Delete || keyCode == VirtualKeys::Backspace) {
        keyCode = 0;
    }
}

void ExercisePaneView::onKeyPress(QChar &typed)
{
    model.judge(typed);
    // The pane has shown the judged character already, or must not show it.
    typed = QChar();
}

void ExercisePaneView::showJudgement(const DrillModel::Judgement &judgement)
{
    switch (judgement.verdict) {
    case DrillModel::Verdict::Right:
        if (judgement.typed == DrillModel::Enter) {
            // The caret stands before the first character of the next line.
            pane.setSelStart(judgement.position + 1);
        } else {
            showTyped(judgement.position, judgement.typed, true, judgement.afterError);
        }
        break;
    case DrillModel::Verdict::Wrong:
        // The wrong character stands in red over the expected one until the right one is typed.
        showTyped(judgement.position, judgement.typed, false, false);
        break;
    case DrillModel::Verdict::LineBreakExpected:
    case DrillModel::Verdict::Ignored:
        break;
    }
}

void ExercisePaneView::setPalette(const DrillPalette &colours)
{
    palette = colours;
}

void ExercisePaneView::showTyped(int position, QChar typed, bool right, bool afterError)
{
    applyTyped(position, typed, right, afterError);
    pane.showCharacterNow(position - 1);
}

void ExercisePaneView::applyTyped(int position, QChar typed, bool right, bool afterError)
{
    const RichTextPane::Batch changes(pane);
    if (right) {
        // Placing the caret ahead first scrolls the text still to come into view.
        pane.setSelStart(position + 50);
    }
    pane.setSelStart(position - 1);
    pane.setSelLength(1);
    if (right) {
        pane.setSelBold(true);
    }
    pane.setSelColor(right ? (afterError ? palette.rightAfterError : palette.right) : palette.wrong);
    // The right character takes back the page where a wrong one had its block, even one marked
    // before high contrast was turned off.
    if (right || palette.marksGround()) {
        pane.setSelBackColor(right ? QColor() : palette.wrongGround);
    }
    pane.overtype(typed);
}
