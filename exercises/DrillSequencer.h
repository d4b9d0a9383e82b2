#pragma once

#include <QObject>
#include <QTimer>

class AnimatedPicture;
class Clock;
class Dialogs;
class DrillModel;
class ExerciseCatalogue;
class QListWidget;
class RichTextPane;
struct CatalogueState;
struct InterfaceTexts;

// Starts drills, picks exercises at random, and after each finished drill says so and moves on
// by itself to the next exercise (or a random one) and starts it.
class DrillSequencer : public QObject
{
    Q_OBJECT

public:
    struct Widgets {
        RichTextPane *exercisePane;
        AnimatedPicture *reactionPicture;
        AnimatedPicture *lineAnimation;
        AnimatedPicture *waveAnimation;
        QListWidget *lessonList;
    };

    DrillSequencer(CatalogueState &catalogue, DrillModel &drill, const InterfaceTexts &texts, const Widgets &widgets,
        ExerciseCatalogue &exercises, Dialogs &dialogs, Clock &clock, QObject *parent = nullptr);

    // The one-shot move to the next exercise, armed once the learner has closed the message
    // that ends a drill.
    QTimer &advanceTimer();

    void startDrill();
    void pickRandomExercise();
    void moveToNextExercise();

Q_SIGNALS:
    // The lesson's last exercise was done: the course goes on with the next lesson (after the
    // last one, with the first), whose drill has started.
    void lessonFinished(const QString &nextLesson);

private:
    // Moves on in order; true when that took the learner into another lesson.
    bool stepInOrder();

    void announceEnd();

    CatalogueState &catalogue;
    DrillModel &drill;
    const InterfaceTexts &texts;
    Widgets widgets;
    ExerciseCatalogue &exercises;
    Dialogs &dialogs;
    Clock &clock;
    QTimer advance;
};
