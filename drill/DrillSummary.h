#pragma once

#include "DrillModel.h"
#include "DrillSummaryText.h"

#include <QObject>

class QLabel;

// Tells the learner in the hint line how the drill went once it is over: the figures and the keys
// missed, with what was typed instead. The line appears when the next drill has started (the
// message that ends a drill has been closed by then) and goes at the learner's next key.
class DrillSummary : public QObject
{
    Q_OBJECT

public:
    DrillSummary(const DrillModel &model, QLabel *hintLine, QObject *parent = nullptr);

    // A notice that must not be lost under the result ("Lección terminada: …"): both are shown.
    void showNotice(const QString &notice);

private:
    void onKeyJudged(const DrillModel::Judgement &judgement);
    void onFinished();
    void show();

    const DrillModel &model;
    QLabel *hintLine;
    QList<DrillSummaryText::Miss> misses;
    QString result;
    QString notice;
    // What this object wrote last, so that it never clears a hint another view wrote since.
    QString shown;
};
