#pragma once

#include "ClaveDigits.h"
#include "GeneralItems.h"
#include "Platform.h"
#include "UserRegistry.h"

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
    using CodeButtons = std::array<QPushButton *, ClaveDigits::ButtonCount>;

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
    };

    explicit SignInWindow(const Platform &platform, QWidget *parent = nullptr);

    // The start-up: the list of users, the captions from the general language file, the
    // registered-user frame shown, the window centred.
    void Form_Load();

    void Command1_Click(int index);
    void File1_Click();
    void Command2_Click(int index);
    void Command4_Click(int index);
    void Command3_Click();
    void Command5_Click();

    const Controls &controls() const;

Q_SIGNALS:
    // A learner signed in or registered as user, or goes on unregistered (user is empty).
    void signedIn(const QString &user);

private:
    void buildRegisteredFrame();
    void buildNewUserFrame();
    CodeButtons buildCodeButtons(QWidget *frame, double left, double top, void (SignInWindow::*handler)(int));
    void applyTexts();
    void showMode(Mode mode);
    void stepCodeButton(const CodeButtons &buttons, std::array<int, ClaveDigits::ButtonCount> &counters, int index);
    // The clave of a frame is what its four buttons show, read left to right.
    static QString clave(const CodeButtons &buttons);
    void refuse(GeneralItems::Item message);
    void place(QWidget *widget, double left, double top, double width, double height);

    Platform platform;
    UserRegistry registry;
    // Items of the general language file: the captions, the messages and the history's suffix.
    QStringList SignInTexts;
    Controls c;
    // One click counter per code button; they only drive the captions.
    std::array<int, ClaveDigits::ButtonCount> LoginDigits {};
    std::array<int, ClaveDigits::ButtonCount> NewUserDigits {};
};
