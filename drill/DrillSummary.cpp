#include "DrillSummary.h"

#include <QLabel>

DrillSummary::DrillSummary(const DrillModel &model, QLabel *hintLine, QObject *parent)
    : QObject(parent)
    , model(model)
    , hintLine(hintLine)
{
    connect(&model, &DrillModel::started, this, [this] {
        misses.clear();
    });
    // Every start empties the hint line: the result is written once all that is over.
    connect(&model, &DrillModel::started, this, &DrillSummary::show, Qt::QueuedConnection);
    connect(&model, &DrillModel::keyJudged, this, &DrillSummary::onKeyJudged);
    connect(&model, &DrillModel::finished, this, &DrillSummary::onFinished);
}

void DrillSummary::showNotice(const QString &text)
{
    notice = text;
    show();
}

void DrillSummary::onKeyJudged(const DrillModel::Judgement &judgement)
{
    if (judgement.verdict == DrillModel::Verdict::Wrong) {
        misses.append({judgement.expected, judgement.typed});
    }
    // The result is the last drill's: gone at the first key, even one that came before it showed.
    if (!shown.isEmpty() && hintLine->text() == shown) {
        hintLine->clear();
    }
    result.clear();
    notice.clear();
    shown.clear();
}

void DrillSummary::onFinished()
{
    result = DrillSummaryText::compose({model.speed(), model.accuracy(), model.wrongCount()}, misses);
}

void DrillSummary::show()
{
    shown = DrillSummaryText::join(notice, result);
    if (!shown.isEmpty()) {
        hintLine->setText(shown);
    }
}
