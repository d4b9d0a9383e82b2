#pragma once

#include <QObject>
#include <QTimer>

class AnimatedPicture;
class Clock;
class DrillEngine;
class DrillHistory;
class ExerciseCatalogue;
class KeyFrames;
class QPushButton;
class RichTextPane;
struct CatalogueState;
struct DrillState;

struct SequencerWidgets {
    RichTextPane *exercisePane;
    QPushButton *rightCount;
    QPushButton *wrongCount;
    AnimatedPicture *reactionPicture;
    AnimatedPicture *lineAnimation;
    AnimatedPicture *waveAnimation;
    KeyFrames *keyFrames;
};

// Starts drills, picks exercises at random, and after each finished drill moves on by itself to
// the next exercise (or a random one) and starts it.
class DrillSequencer : public QObject
{
    Q_OBJECT

public:
    DrillSequencer(CatalogueState &catalogue, DrillState &drill, const SequencerWidgets &widgets,
        ExerciseCatalogue &exercises, DrillEngine &engine, DrillHistory &history, Clock &clock,
        QObject *parent = nullptr);

    // The one-shot move to the next exercise, armed when a drill's result is recorded.
    QTimer &advanceTimer();

    void StartDrill();
    void PickRandomExercise();
    void AdvanceExercise();

private:
    CatalogueState &catalogue;
    DrillState &drill;
    SequencerWidgets widgets;
    ExerciseCatalogue &exercises;
    DrillEngine &engine;
    DrillHistory &history;
    Clock &clock;
    QTimer timer2;
};
