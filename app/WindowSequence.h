#pragma once

#include "Platform.h"

#include <QObject>
#include <QPointer>

#include <memory>

class ClassRoster;
class ExamSession;
class MainWindow;
class SignInWindow;
class StartWindow;
class TeacherWindow;
class QWidget;

// The order of the program's windows: the start-up window asks for the sign-in window, the
// sign-in window reports who signed in, and the typing window opened for that learner replaces
// both. The windows know nothing of each other; this is where they meet.
class WindowSequence : public QObject
{
    Q_OBJECT

public:
    // roster is the class on its server, null where there is none: then nobody is offered the
    // teacher's window.
    explicit WindowSequence(const Platform &platform, ClassRoster *roster = nullptr, QObject *parent = nullptr);
    ~WindowSequence() override;

    // Shows the start-up window.
    void start();
    // Shows the teacher's window alone, as "teclora --profesor" does; the program ends with it.
    void startTeacher();
    // What the typing window opens with: a timed test of examMinutes ready (0: none), on the
    // text file at textFile where one is given; else that file added to "Mis textos".
    void openAfterSignIn(int examMinutes, const QString &textFile);

    StartWindow *startWindow() const;
    SignInWindow *signInWindow() const;
    MainWindow *typingWindow() const;
    ExamSession *examSession() const;
    TeacherWindow *teacherWindow() const;

Q_SIGNALS:
    // The window in front changed: message boxes belong to it.
    void frontWindowChanged(QWidget *window);
    // The learner left the program.
    void finished();

private:
    void openSignIn();
    void openTypingWindow(const QString &user);
    void openTeacher();

    Platform platform;
    ClassRoster *roster;
    QPointer<StartWindow> start_;
    QPointer<SignInWindow> signIn;
    std::unique_ptr<MainWindow> typing;
    QPointer<ExamSession> exam;
    QPointer<TeacherWindow> teacher;
    int examMinutes = 0;
    QString textFile;
};
