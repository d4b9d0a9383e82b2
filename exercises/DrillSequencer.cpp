#include "DrillSequencer.h"

#include "AnimatedPicture.h"
#include "CatalogueState.h"
#include "Clock.h"
#include "DrillEngine.h"
#include "DrillHistory.h"
#include "DrillState.h"
#include "ExerciseCatalogue.h"
#include "KeyFrames.h"
#include "PaneFormatting.h"
#include "RichTextPane.h"

#include <QPushButton>

#include <cmath>

DrillSequencer::DrillSequencer(CatalogueState &catalogue, DrillState &drill, const SequencerWidgets &widgets,
    ExerciseCatalogue &exercises, DrillEngine &engine, DrillHistory &history, Clock &clock, QObject *parent)
    : QObject(parent)
    , catalogue(catalogue)
    , drill(drill)
    , widgets(widgets)
    , exercises(exercises)
    , engine(engine)
    , history(history)
    , clock(clock)
{
    timer2.setInterval(10);
    timer2.setSingleShot(true);
    connect(&timer2, &QTimer::timeout, this, &DrillSequencer::AdvanceExercise);
    connect(&history, &DrillHistory::drillRecorded, &timer2, qOverload<>(&QTimer::start));
}

QTimer &DrillSequencer::advanceTimer()
{
    return timer2;
}

void DrillSequencer::StartDrill()
{
    // Without a text there is nothing to type: no drill starts.
    if (drill.TargetText.isEmpty()) {
        return;
    }
    if (widgets.keyFrames) {
        widgets.keyFrames->setFrameColour(drill.GuideShapeIndex, QColor(255, 255, 255));
    }
    RichTextPane &pane = *widgets.exercisePane;
    if (pane.length() > 0) {
        pane.setText(drill.TargetText);
    }
    if (!drill.DrillDone) {
        history.DiscardEcho();
    }
    drill.DrillDone = false;
    drill.TargetPos = 1;
    widgets.rightCount->setText(QStringLiteral("0"));
    widgets.wrongCount->setText(QStringLiteral("0"));
    engine.prepareForKeys();
    engine.statisticsTimer().start();
    drill.ElapsedSeconds = 0;
    widgets.lineAnimation->show();
    widgets.waveAnimation->hide();
    widgets.reactionPicture->show();
    pane.setInputEnabled(true);
    PaneFormatting::showUntyped(pane, catalogue.ExerciseFontSize);
    pane.setFocus();
    engine.revealNextCharacter();
}

void DrillSequencer::PickRandomExercise()
{
    catalogue.RandomMode = true;
    const int files = exercises.lessonFileCount();
    const int number = static_cast<int>(std::floor(clock.random() * files)) + 1;
    catalogue.currentNumber() = number;
    exercises.showNumber(number);
    exercises.LoadExercise();
}

void DrillSequencer::AdvanceExercise()
{
    widgets.exercisePane->setText(QString());
    if (catalogue.RandomMode) {
        PickRandomExercise();
    } else {
        int &number = catalogue.currentNumber();
        number = std::min(number + 1, CatalogueState::LargestExercise);
        exercises.showNumber(number);
        exercises.LoadExercise();
    }
    timer2.stop();
    StartDrill();
}
