#pragma once

#include "DrillModel.h"

#include <QObject>

class RichTextPane;

// The exercise pane of a drill: hands the learner's keys to the model, and colours each judged
// character where it stands. The history pane beside it takes no key at all.
class ExercisePaneView : public QObject
{
    Q_OBJECT

public:
    ExercisePaneView(DrillModel &model, RichTextPane &exercisePane, RichTextPane &echoPane, QObject *parent = nullptr);

private:
    void onKeyDown(int &keyCode);
    void onKeyPress(QChar &typed);
    void showJudgement(const DrillModel::Judgement &judgement);
    // Puts the typed character in place, then on the screen before anything else the key changes.
    void showTyped(int position, QChar typed, const QColor &colour, bool emphasised);
    void applyTyped(int position, QChar typed, const QColor &colour, bool emphasised);

    DrillModel &model;
    RichTextPane &pane;
};
