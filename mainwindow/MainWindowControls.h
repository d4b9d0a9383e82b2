#pragma once

#include <QList>

#include <QString>
#include <array>

class AnimatedPicture;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;
class RichTextPane;

// Every control of the typing window, created once, owned by the window.
struct MainWindowControls {
    QLabel *flag; // flag of the exercise language
    QPushButton *nextButton; // next exercise
    QLineEdit *numberField; // the current exercise number
    QPushButton *previousButton; // previous exercise
    QPushButton *startButton; // starts the drill
    QPushButton *progressButton; // opens the learner's progress
    QPushButton *historyButton; // shows or hides the history pane
    QPushButton *textSizeButton; // cycles the size of the exercise text
    QLabel *speedLabel; // keystrokes per minute
    QLabel *timeLabel; // elapsed seconds
    QPushButton *randomButton; // a random exercise of the lesson
    QPushButton *reportButton; // exports the history as a report
    QPushButton *keyboardButton; // shows or hides the drawn keyboard
    QPushButton *minimiseButton; // minimises the window
    QPushButton *exitButton; // saves the history and leaves
    QPushButton *settingsButton; // contrast, type, text size, animations and sound
    QPushButton *examButton; // chooses and starts a timed test
    QPushButton *openTextButton; // adds a text of the learner's own to "Mis textos"
    QPushButton *layoutButton; // switches between Spain's and Latin America's keyboard
    QLabel *exerciseLabel; // language\lesson\number of the exercise loaded
    QFrame *workArea; // frame around the exercise pane and the keyboard
    RichTextPane *exercisePane; // the text to type
    RichTextPane *echoPane; // what was typed, and the learner's history
    QPushButton *rightCount; // right keystrokes of the drill
    QPushButton *wrongCount; // wrong keystrokes of the drill
    QPushButton *bestSpeed; // best speed of this run
    QPushButton *averageSpeed; // average speed of this run
    std::array<QLabel *, 4> counterCaptions; // what the four counters above count
    QComboBox *languageList; // exercise languages
    QListWidget *lessonList; // lessons of the language
    QLabel *hintLine; // what to do after a wrong key
    QLabel *nextCharLabel; // the next character in large type
    QLabel *accuracyLabel; // accuracy of the drill
    AnimatedPicture *reactionPicture; // right or wrong reaction to the last key
    AnimatedPicture *lineAnimation; // the line under the tool bar while a drill runs
    AnimatedPicture *waveAnimation; // the wave after a finished drill

    // The type of the current exercise where it was drawn, on the tool bar.
    static constexpr double ExerciseLabelPoints = 14;

    // A tool-bar button's action, as its accessible name and, with its shortcut, as its tool tip.
    static void nameToolButton(QPushButton *button, const QString &action);
    // Creates the controls as children of window, with their design texts, colours, names and
    // shortcuts.
    static MainWindowControls create(QWidget *window, const QString &appDir);
    // The tool bar from left to right: a button added to the window goes in here, and so into the
    // Tab order.
    QList<QWidget *> toolBar() const;
    // The order Tab walks: the tool bar, then the lists on the left, then the panes.
    QList<QWidget *> focusOrder() const;
};
