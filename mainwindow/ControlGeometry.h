#pragma once

#include <QRectF>

#include <array>

// Where the controls of the typing window sit, in twips relative to the window's inner area.
// design() gives the window as drawn; WindowLayout::layOutWindow moves some of them to fit the
// screen, and the rest keep their design place.
struct ControlGeometry {
    // Moved by the layout.
    QRectF workArea; // frame around the exercise pane and the keyboard (Shape1)
    QRectF keyboard; // the drawn keyboard (Picture2); only moved, its size is the keys'
    QRectF exercisePane; // the text to type (RichTextBox1)
    QRectF echoPane; // the typed echo and the history, laid over the exercise pane (RichTextBox2)
    QRectF firstToolButton; // next exercise, first button of the tool bar (Command3(0))
    QRectF rightCount; // right keystrokes (Command8(0))
    QRectF wrongCount; // wrong keystrokes (Command8(1))
    QRectF bestSpeed; // best speed of the session (Command9(0))
    QRectF averageSpeed; // average speed of the session (Command9(1))
    QRectF languageList; // exercise languages (Combo1); its height follows its font
    QRectF lessonList; // lessons of the language (List1)
    QRectF hintLine; // what went wrong with the last key (Label1)
    QRectF nextCharLabel; // the next character in large type (Label4)
    QRectF accuracyLabel; // accuracy percentage, bottom-right corner of the screen (Label5)
    QRectF lineAnimation; // the line under the tool bar (Gif89a3)
    QRectF waveAnimation; // the wave beside the hint line (Gif89a4)
    // What each of the four counters above counts, in small type under it (right, wrong, best,
    // average); placed by placeCounterCaptions().
    std::array<QRectF, 4> counterCaptions;

    // Kept where they were drawn.
    QRectF flag; // flag of the exercise language (Image1)
    QRectF exerciseNumber; // exercise number field (Text1)
    QRectF previousExerciseButton; // (Command3(1))
    QRectF startButton; // (Command5)
    QRectF progressButton; // opens the progress window, in the gap after the start button
    QRectF historyButton; // shows or hides the history pane (Command2)
    QRectF textSizeButton; // cycles the text size (Command7)
    QRectF speedLabel; // keystrokes per minute (Label2(1))
    QRectF timeLabel; // elapsed seconds (Label2(0))
    QRectF randomButton; // random exercise (Command10)
    QRectF reportButton; // report export (Command6)
    QRectF keyboardButton; // shows or hides the keyboard (Command4(0))
    QRectF minimiseButton; // (Command4(1))
    QRectF exitButton; // saves the history and leaves (Command4(2))
    QRectF exerciseLabel; // language\lesson\number of the current exercise (Label3); the layout moves it
    QRectF reactionPicture; // the reaction to the last key, at the end of the tool bar (Gif89a1)
    QRectF openTextButton; // adds a text of the learner's own, after the reaction picture
    QRectF examButton; // the timed test
    QRectF layoutButton; // switches the keyboard layout
    QRectF settingsButton; // opens "Ajustes", the last of the tool bar

    static ControlGeometry design();
    // The tool bar's row from left to right, which closes up in a window narrower than drawn.
    std::array<QRectF *, 20> toolBarRow();
    // The captions go in the strip under the counters, where they are, as wide as they are.
    void placeCounterCaptions();
};
