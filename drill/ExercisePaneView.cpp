#include "ExercisePaneView.h"

#include "DrillColours.h"
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
            showTyped(judgement.position, judgement.typed,
                judgement.afterError ? DrillColours::RightAfterError : DrillColours::Right, true);
        }
        break;
    case DrillModel::Verdict::Wrong:
        // The wrong character stands in red over the expected one until the right one is typed.
        showTyped(judgement.position, judgement.typed, DrillColours::Wrong, false);
        break;
    case DrillModel::Verdict::LineBreakExpected:
    case DrillModel::Verdict::Ignored:
        break;
    }
}

void ExercisePaneView::showTyped(int position, QChar typed, const QColor &colour, bool emphasised)
{
    applyTyped(position, typed, colour, emphasised);
    pane.showCharacterNow(position - 1);
}

void ExercisePaneView::applyTyped(int position, QChar typed, const QColor &colour, bool emphasised)
{
    const RichTextPane::Batch changes(pane);
    if (emphasised) {
        // Placing the caret ahead first scrolls the text still to come into view.
        pane.setSelStart(position + 50);
    }
    pane.setSelStart(position - 1);
    pane.setSelLength(1);
    if (emphasised) {
        pane.setSelBold(true);
    }
    pane.setSelColor(colour);
    pane.overtype(typed);
}
