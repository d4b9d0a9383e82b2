#include "DrillFiguresView.h"

#include "DrillModel.h"
#include "FigureTexts.h"

#include <QLabel>
#include <QPushButton>

DrillFiguresView::DrillFiguresView(
    const DrillModel &model, const InterfaceTexts &texts, const Widgets &widgets, QObject *parent)
    : QObject(parent)
    , model(model)
    , texts(texts)
    , widgets(widgets)
{
    connect(&model, &DrillModel::started, this, [this] {
        showCounts();
        // The accuracy of the drill before stands beside counts of zero no longer: the bare word
        // until the ticker has a figure for this drill.
        this->widgets.accuracyLabel->setText(this->texts.UiTexts.value(InterfaceTexts::AccuracyWord));
    });
    connect(&model, &DrillModel::keyJudged, this, &DrillFiguresView::showCounts);
    connect(&model, &DrillModel::ticked, this, &DrillFiguresView::onTick);
    connect(&model, &DrillModel::finished, this, &DrillFiguresView::onFinished);
}

void DrillFiguresView::showCounts()
{
    const QString right = QString::number(model.rightCount());
    const QString wrong = QString::number(model.wrongCount());
    // A counter repaints when its caption is set, even to the same text; most keys change one.
    if (widgets.rightCount->text() != right) {
        widgets.rightCount->setText(right);
    }
    if (widgets.wrongCount->text() != wrong) {
        widgets.wrongCount->setText(wrong);
    }
}

void DrillFiguresView::onTick()
{
    // The time shown lags the count by one: the n-th tick of a drill shows n - 1 seconds, and the
    // end of the drill shows them all.
    widgets.timeLabel->setText(FigureTexts::seconds(model.elapsedSeconds() - 1));
    widgets.speedLabel->setText(FigureTexts::liveSpeed(model.speed()));
    if (model.hasAccuracy()) {
        showAccuracy();
    }
}

void DrillFiguresView::onFinished()
{
    widgets.speedLabel->setText(FigureTexts::finalSpeed(model.speed()));
    widgets.timeLabel->setText(FigureTexts::seconds(model.elapsedSeconds()));
    showAccuracy();
}

void DrillFiguresView::showAccuracy()
{
    widgets.accuracyLabel->setText(
        FigureTexts::accuracy(texts.UiTexts.value(InterfaceTexts::AccuracyWord), model.accuracy()));
}
