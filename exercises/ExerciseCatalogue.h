#pragma once

#include "CatalogueState.h"

#include <QList>
#include <QObject>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class QWidget;
class RichTextPane;
struct DrillState;

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
    ExerciseCatalogue(CatalogueState &catalogue, DrillState &drill, const CatalogueWidgets &widgets,
        QTimer &statisticsTimer, QObject *parent = nullptr);

    void FillLanguageList();
    void RefreshLessonList();
    void list1_Click(int row);
    void Text1_Change();
    void Command3_Click(int index);
    void LoadExercise();
    // Puts text into the locked exercise pane as the exercise to type next, named label.
    void presentExercise(const QString &label, const QString &text);

    // Shows n in the number field without loading anything on the way: the caller loads.
    void showNumber(int number);
    // Number of files in the current lesson folder.
    int lessonFileCount() const;
    bool hasLessons() const;

private:
    void lockAndEmptyPane();

    CatalogueState &catalogue;
    DrillState &drill;
    CatalogueWidgets widgets;
    QTimer &statisticsTimer;
    bool loadOnNumberChange = true;
};
