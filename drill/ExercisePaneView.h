#pragma once

#include "DrillModel.h"
#include "DrillPalette.h"

#include <QObject>

class RichTextPane;

// The exercise pane of a drill: hands the learner's keys to the model, and colours each judged
// character where it stands. The history pane beside it takes no key at all.
class ExercisePaneView : public QObject
{
    Q_OBJECT

public:
    ExercisePaneView(DrillModel &model, RichTextPane &exercisePane, RichTextPane &echoPane, QObject *parent = nullptr);

    // The colours of the characters judged from now on.
    void setPalette(const DrillPalette &colours);

private:
    void onKeyDown(int &keyCode);
    void onKeyPress(QChar &typed);
    void showJudgement(const DrillModel::Judgement &judgement);
    // Puts the typed character in place, then on the screen before anything else the key changes.
    void showTyped(int position, QChar typed, bool right, bool afterError);
    void applyTyped(int position, QChar typed, bool right, bool afterError);

    DrillModel &model;
    RichTextPane &pane;
    DrillPalette palette = DrillPalette::standard();
};
