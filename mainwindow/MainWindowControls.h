#pragma once

#include <QString>

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
    QLabel *exerciseLabel; // language\lesson\number of the exercise loaded
    QFrame *workArea; // frame around the exercise pane and the keyboard
    RichTextPane *exercisePane; // the text to type
    RichTextPane *echoPane; // what was typed, and the learner's history
    QPushButton *rightCount; // right keystrokes of the drill
    QPushButton *wrongCount; // wrong keystrokes of the drill
    QPushButton *bestSpeed; // best speed of this run
    QPushButton *averageSpeed; // average speed of this run
    QComboBox *languageList; // exercise languages
    QListWidget *lessonList; // lessons of the language
    QLabel *hintLine; // what to do after a wrong key
    QLabel *nextCharLabel; // the next character in large type
    QLabel *accuracyLabel; // accuracy of the drill
    AnimatedPicture *reactionPicture; // right or wrong reaction to the last key
    AnimatedPicture *lineAnimation; // the line under the tool bar while a drill runs
    AnimatedPicture *waveAnimation; // the wave after a finished drill

    // Creates the controls as children of window, with their design texts, colours and names.
    static MainWindowControls create(QWidget *window, const QString &appDir);
};
