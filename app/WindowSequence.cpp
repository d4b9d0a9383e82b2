#include "WindowSequence.h"

#include "ExamSession.h"
#include "MainWindow.h"
#include "ProgressLink.h"
#include "SignInWindow.h"
#include "StartWindow.h"
#include "TeacherWindow.h"

WindowSequence::WindowSequence(const Platform &platform, ClassRoster *roster, QObject *parent)
    : QObject(parent)
    , platform(platform)
    , roster(roster)
{
}

WindowSequence::~WindowSequence()
{
    delete teacher;
    delete signIn;
    delete start_;
}

void WindowSequence::start()
{
    start_ = new StartWindow(platform);
    start_->setAttribute(Qt::WA_DeleteOnClose);
    connect(start_, &StartWindow::signInRequested, this, &WindowSequence::openSignIn);
    connect(start_, &StartWindow::closed, this, &WindowSequence::finished);
    start_->show();
    Q_EMIT frontWindowChanged(start_);
}

void WindowSequence::openAfterSignIn(int minutes, const QString &file)
{
    examMinutes = minutes;
    textFile = file;
}

void WindowSequence::openSignIn()
{
    // However often the picture is clicked, there is one sign-in window.
    if (signIn) {
        signIn->raise();
        signIn->activateWindow();
        return;
    }
    signIn = new SignInWindow(platform);
    // Closed by its frame, it is gone; the next click makes a fresh one.
    signIn->setAttribute(Qt::WA_DeleteOnClose);
    connect(signIn, &SignInWindow::signedIn, this, &WindowSequence::openTypingWindow);
    if (roster) {
        signIn->offerTeacher();
        connect(signIn, &SignInWindow::teacherRequested, this, &WindowSequence::openTeacher);
    }
    connect(signIn, &QObject::destroyed, this, [this] {
        Q_EMIT frontWindowChanged(start_);
    });
    signIn->show();
    Q_EMIT frontWindowChanged(signIn);
}

void WindowSequence::openTypingWindow(const QString &user)
{
    typing = std::make_unique<MainWindow>(platform, user);
    ProgressLink::attach(*typing, platform);
    exam = ExamSession::attach(*typing, platform);
    connect(typing.get(), &MainWindow::exitRequested, this, &WindowSequence::finished);
    typing->showMaximized();
    Q_EMIT frontWindowChanged(typing.get());
    // The typing window is shown first, so the program never runs out of windows on the way.
    if (signIn) {
        signIn->disconnect(this);
        signIn->close();
    }
    if (start_) {
        start_->disconnect(this);
        start_->close();
    }
    if (examMinutes > 0) {
        exam->prepare(examMinutes, textFile);
    } else if (!textFile.isEmpty()) {
        typing->openOwnText(textFile);
    }
}

void WindowSequence::startTeacher()
{
    openTeacher();
    connect(teacher, &QObject::destroyed, this, &WindowSequence::finished);
}

void WindowSequence::openTeacher()
{
    if (!teacher) {
        teacher = new TeacherWindow(*roster, platform);
        teacher->setAttribute(Qt::WA_DeleteOnClose);
        connect(teacher, &QObject::destroyed, this, [this] {
            Q_EMIT frontWindowChanged(signIn ? static_cast<QWidget *>(signIn) : start_);
        });
    }
    teacher->show();
    teacher->raise();
    teacher->activateWindow();
    Q_EMIT frontWindowChanged(teacher);
}

TeacherWindow *WindowSequence::teacherWindow() const
{
    return teacher;
}

StartWindow *WindowSequence::startWindow() const
{
    return start_;
}

SignInWindow *WindowSequence::signInWindow() const
{
    return signIn;
}

MainWindow *WindowSequence::typingWindow() const
{
    return typing.get();
}

ExamSession *WindowSequence::examSession() const
{
    return exam;
}
