#pragma once

#include "ExamModel.h"
#include "Platform.h"

#include <QObject>
#include <QPointer>

class ExamDialog;
class MainWindow;

// The timed test at the typing window: the tool-bar button's dialog, the test made ready in the
// exercise pane, the countdown in the ticker, and at the end the result line in the history, the
// record in the statistics and the certificate, opened in the desktop's viewer.
class ExamSession : public QObject
{
    Q_OBJECT

public:
    // Owned by window.
    static ExamSession *attach(MainWindow &window, const Platform &platform);

    // Opens the dialog over the window; the test is made ready once the learner accepts it.
    void chooseExam();
    // A test of minutes at the learner's penalty, on the text file at textFile where one is given,
    // else on the course's first test text of the current language, or on the current exercise
    // where the language has none. False, after telling the learner, when there is nothing to type.
    bool prepare(int minutes, const QString &textFile = {});

    ExamModel &exam();
    // The dialog while it is open, for the tests.
    ExamDialog *dialog() const;

private:
    ExamSession(MainWindow &window, const Platform &platform);

    struct Choice {
        QString name; // as the history and the statistics name it
        QString title; // as the certificate names it
        QString text;
        // A course's test text is read from here once chosen.
        QString path;
    };
    // The current exercise first, where there is one, then the course's test texts.
    QList<Choice> choices() const;
    bool prepareText(int minutes, int penalty, const Choice &choice);
    // The time left, and the gross speed and accuracy so far, in the ticker.
    void showCountdown(qint64 msecsLeft);
    void showAccuracy(const ExamRules::Figures &figures);
    void finish();
    void writeCertificate();

    MainWindow &window;
    Platform platform;
    ExamModel model;
    QPointer<ExamDialog> chooser;
    // The title of the text of the test under way.
    QString certificateTitle;
    int lastMinutes = 5;
};
