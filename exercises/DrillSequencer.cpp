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

#include <QListWidget>

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
    const bool newLesson = !catalogue.randomOrder && stepInOrder();
    if (catalogue.randomOrder) {
        pickRandomExercise();
    }
    advance.stop();
    startDrill();
    if (newLesson) {
        Q_EMIT lessonFinished(catalogue.lesson());
    }
}

bool DrillSequencer::stepInOrder()
{
    int &number = catalogue.currentNumber();
    const int next = catalogue.offCourse ? number : std::min(number + 1, CatalogueState::LargestExercise);
    if (exercises.hasExercise(next) || catalogue.lessons.isEmpty()) {
        number = next;
        exercises.showNumber(number);
        exercises.loadExercise();
        return false;
    }
    // Past the lesson's last exercise the learner would type blind: the next lesson begins, and
    // coming back to this one starts it again.
    number = 1;
    const int lesson = (catalogue.lessonIndex + 1) % int(catalogue.lessons.size());
    catalogue.exerciseNumbers[catalogue.languageIndex][lesson] = 1;
    if (lesson == widgets.lessonList->currentRow()) {
        exercises.selectLesson(lesson);
    } else {
        widgets.lessonList->setCurrentRow(lesson);
    }
    return true;
}
