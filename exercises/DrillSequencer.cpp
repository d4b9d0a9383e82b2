#include "DrillSequencer.h"

#include "AnimatedPicture.h"
#include "CatalogueState.h"
#include "Clock.h"
#include "Dialogs.h"
#include "DrillModel.h"
#include "ExerciseCatalogue.h"
#include "InterfaceTexts.h"
#include "PaneFormatting.h"
#include "RichTextPane.h"

#include <cmath>

DrillSequencer::DrillSequencer(CatalogueState &catalogue, DrillModel &drill, const InterfaceTexts &texts,
    const Widgets &widgets, ExerciseCatalogue &exercises, Dialogs &dialogs, Clock &clock, QObject *parent)
    : QObject(parent)
    , catalogue(catalogue)
    , drill(drill)
    , texts(texts)
    , widgets(widgets)
    , exercises(exercises)
    , dialogs(dialogs)
    , clock(clock)
{
    advance.setInterval(10);
    advance.setSingleShot(true);
    connect(&advance, &QTimer::timeout, this, &DrillSequencer::moveToNextExercise);
    // Whatever else the end of a drill sets in motion (the result line, the statistics) is done
    // before the message shows: it waits until every receiver of the signal has returned.
    connect(&drill, &DrillModel::finished, this, &DrillSequencer::announceEnd, Qt::QueuedConnection);
}

QTimer &DrillSequencer::advanceTimer()
{
    return advance;
}

void DrillSequencer::startDrill()
{
    // Without a text there is nothing to type: no drill starts.
    if (drill.text().isEmpty()) {
        return;
    }
    RichTextPane &pane = *widgets.exercisePane;
    if (pane.length() > 0) {
        pane.setText(drill.text());
    }
    PaneFormatting::showUntyped(pane, catalogue.fontSize);
    widgets.lineAnimation->show();
    widgets.waveAnimation->hide();
    widgets.reactionPicture->show();
    drill.start();
}

void DrillSequencer::announceEnd()
{
    widgets.reactionPicture->hide();
    widgets.lineAnimation->hide();
    widgets.waveAnimation->show();
    dialogs.inform(texts.HintTexts.value(InterfaceTexts::DrillEnd));
    advance.start();
}

void DrillSequencer::pickRandomExercise()
{
    catalogue.randomOrder = true;
    const int files = exercises.lessonFileCount();
    const int number = static_cast<int>(std::floor(clock.random() * files)) + 1;
    catalogue.currentNumber() = number;
    exercises.showNumber(number);
    exercises.loadExercise();
}

void DrillSequencer::moveToNextExercise()
{
    widgets.exercisePane->setText(QString());
    if (catalogue.randomOrder) {
        pickRandomExercise();
    } else {
        int &number = catalogue.currentNumber();
        number = std::min(number + 1, CatalogueState::LargestExercise);
        exercises.showNumber(number);
        exercises.loadExercise();
    }
    advance.stop();
    startDrill();
}
