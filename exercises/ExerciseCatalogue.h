#pragma once

#include "CatalogueState.h"

#include <QList>
#include <QObject>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;
class RichTextPane;
class DrillModel;
class LearnerSettings;

struct CatalogueWidgets {
    QComboBox *languageList;
    QListWidget *lessonList;
    QLineEdit *numberField;
    QPushButton *nextButton;
    QPushButton *previousButton;
    QLabel *exerciseLabel;
    RichTextPane *exercisePane;
    RichTextPane *echoPane;
    // Disabled while there is no lesson to take exercises from.
    QList<QWidget *> exerciseControls;
};

// The exercise tree (language, lesson, numbered exercise files) and the loading of one exercise
// into the locked exercise pane. Loading never starts a drill.
class ExerciseCatalogue : public QObject
{
    Q_OBJECT

public:
    ExerciseCatalogue(
        CatalogueState &catalogue, DrillModel &drill, const CatalogueWidgets &widgets, QObject *parent = nullptr);

    void fillLanguageList();
    void refreshLessonList();
    void selectLesson(int row);
    void onNumberEdited();
    // The arrows beside the number: one exercise on or back, in order.
    void stepExercise(int step);
    void loadExercise();
    // Puts text into the locked exercise pane as the exercise to type next, named label.
    void presentExercise(const QString &label, const QString &text);

    // Shows exercise number of the learner's own texts, listing them first if they were not.
    void showOwnText(int number);
    // The own texts were added to or taken from outside: the lesson list and the exercise shown
    // follow, back at the course's first lesson once none is left.
    void ownTextsChanged();

    // The place the learner left in every lesson, the text size and the order of exercises, as
    // kept in their settings; the language and lesson are chosen by the window.
    void restorePlaces(const LearnerSettings &settings);
    void savePlaces(LearnerSettings &settings) const;

    // Shows n in the number field without loading anything on the way: the caller loads.
    void showNumber(int number);
    // The current lesson has an exercise of that number.
    bool hasExercise(int number) const;
    // Number of files in the current lesson folder.
    int lessonFileCount() const;
    bool hasLessons() const;

private:
    void lockAndEmptyPane();
    void listOwnTexts();
    // Calls visit(languageIndex, lessonIndex, language, lesson) for every lesson of every language.
    template <typename Visit>
    void forEachLesson(Visit visit) const;

    CatalogueState &catalogue;
    DrillModel &drill;
    CatalogueWidgets widgets;
    bool loadOnNumberChange = true;
};
