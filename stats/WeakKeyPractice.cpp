#include "WeakKeyPractice.h"

#include "CourseWords.h"
#include "Dialogs.h"
#include "DrillSequencer.h"
#include "ExerciseCatalogue.h"
#include "MainWindow.h"
#include "StatsRecorder.h"
#include "StatsTexts.h"
#include "WeakKeyExercise.h"
#include "WeakKeys.h"

#include <QComboBox>
#include <QListWidget>

WeakKeyPractice::WeakKeyPractice(const StatsRecorder &stats, MainWindow &window, Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , stats(stats)
    , window(window)
    , dialogs(dialogs)
{
}

bool WeakKeyPractice::start()
{
    const QString language = window.catalogueState().language();
    const QStringList words = language.isEmpty()
        ? QStringList()
        : CourseWords::read(window.catalogueState().exerciseRoot + u'/' + language);
    const QList<QChar> weakest = WeakKeys::choose(WeakKeys::foundIn(stats.store().keyTotals(), words));
    const QString text = weakest.size() < WeakKeys::Count ? QString() : WeakKeyExercise::build(words, weakest, rounds);
    if (text.isEmpty()) {
        return offerFirstLesson();
    }
    ++rounds;
    window.exerciseCatalogue().presentExercise(
        language + u'\\' + stats.texts().value(StatsTexts::ReviewLesson) + u'\\' + QString::number(rounds), text);
    window.drillSequencer().startDrill();
    window.activateWindow();
    return true;
}

bool WeakKeyPractice::offerFirstLesson()
{
    ExerciseCatalogue &exercises = window.exerciseCatalogue();
    if (!dialogs.askYesNo(stats.texts().value(StatsTexts::TooLittleData)) || !exercises.hasLessons()) {
        return false;
    }
    QListWidget *lessons = window.controls().lessonList;
    if (lessons->currentRow() == 0) {
        exercises.selectLesson(0);
    } else {
        // Choosing the row loads the lesson's exercise.
        lessons->setCurrentRow(0);
    }
    window.drillSequencer().startDrill();
    window.activateWindow();
    return true;
}
