#pragma once

#include "ClaveButtons.h"
#include "GeneralItems.h"
#include "LearnerStore.h"
#include "Platform.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The sign-in window: a registered learner signs in with a name and a four-digit clave, a new
// learner registers, or the learner goes on unregistered. It only reports who signed in.
class SignInWindow : public QWidget
{
    Q_OBJECT

public:
    enum Mode { RegisteredMode, NewUserMode, UnregisteredMode, ModeCount };
    using CodeButtons = ClaveButtons::Buttons;

    struct Controls {
        // The three ways in, at the left.
        std::array<QPushButton *, ModeCount> modeButtons;

        // A registered learner signs in.
        QGroupBox *registeredFrame;
        QListWidget *userList;
        QLabel *nameCaption;
        QLineEdit *nameField;
        QLabel *claveCaption;
        CodeButtons loginButtons;
        QPushButton *signInButton;

        // A new learner registers; in the same place, seen in turn with the other frame.
        QGroupBox *newUserFrame;
        QLabel *newNameCaption;
        QLineEdit *newNameField;
        QLabel *newClaveCaption;
        CodeButtons newUserButtons;
        QPushButton *registerButton;

        // Below the mode buttons, where the learners are on a class's server: the teacher's way in.
        QPushButton *teacherButton = nullptr;
    };

    // The window as it opens: the list of users, the captions from the general language file, the
    // registered-user frame shown, the window centred.
    explicit SignInWindow(const Platform &platform, QWidget *parent = nullptr);

    const Controls &controls() const;
    // Adds the teacher's button below the mode buttons, the window growing to hold it.
    void offerTeacher();

Q_SIGNALS:
    // A learner signed in or registered as user, or goes on unregistered (user is empty).
    void signedIn(const QString &user);
    // The teacher's button was pressed.
    void teacherRequested();

private:
    void buildRegisteredFrame();
    void buildNewUserFrame();
    CodeButtons buildCodeButtons(QWidget *frame, double left, double top);
    void applyTexts();
    void place(QWidget *widget, double left, double top, double width, double height);

    // A mode button was clicked: show its frame, or go on unregistered.
    void chooseMode(Mode mode);
    void showMode(Mode mode);
    // The name picked in the list of users goes into the name field.
    void pickListedUser();
    void acceptSignIn();
    void registerLearner();
    // A new learner who touched no digit says whether the clave the buttons start with will do.
    bool keepsDefaultClave();
    void answerRegistration(LearnerStore::Registration outcome, const QString &name);
    void refuse(GeneralItems::Item message);
    // The learners' server cannot be reached: say so and offer to go on unregistered.
    void offerUnregistered();

    Platform platform;
    // Items of the general language file: the captions, the messages and the history's suffix.
    QStringList texts;
    Controls ui;
    // The digits of the two claves; their buttons show them.
    ClaveButtons *loginClave;
    ClaveButtons *newUserClave;
};
