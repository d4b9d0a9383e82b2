#include "SignInWindow.h"

#include "Dialogs.h"
#include "LanguageFiles.h"
#include "ScreenCentre.h"
#include "SoundPlayer.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace
{

const QColor RegisteredGreen(192, 255, 192);
const QColor NewUserPink(255, 192, 192);
const QColor ModeColours[SignInWindow::ModeCount] = {{128, 255, 128}, {255, 192, 192}, {192, 192, 255}};
const QColor AcceptBlue(128, 128, 255);

// The window's design, in twips.
constexpr double ClientWidth = 7440;
constexpr double ClientHeight = 3975;
constexpr double FrameLeft = 2040;
constexpr double FrameWidth = 5295;
constexpr double FrameTop = 120;
constexpr double FrameHeight = 3495;
constexpr double CodeButtonWidth = 615;
constexpr double CodeButtonHeight = 495;
constexpr double CodeButtonStep = 600;

// The clave file could not be written: the folder beside the program is not writable.
const QString RegistrationFailed
    = QStringLiteral("No se ha podido crear el usuario: Teclora no puede escribir en su carpeta.");

void paintBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A caption too long for its button in bold (the chosen mode's look) breaks at the blank nearest
// its middle; the button's accessible name stays the caption as written.
void setModeCaption(QPushButton *button, const QString &caption)
{
    QFont bold = button->font();
    bold.setBold(true);
    QString shown = caption.trimmed();
    const qsizetype middle = shown.size() / 2;
    const qsizetype before = shown.lastIndexOf(QLatin1Char(' '), middle);
    const qsizetype after = shown.indexOf(QLatin1Char(' '), middle);
    const qsizetype blank = before < 0 || (after >= 0 && after - middle < middle - before) ? after : before;
    if (QFontMetrics(bold).horizontalAdvance(shown) > button->width() - 12 && blank > 0) {
        shown[blank] = QLatin1Char('\n');
        button->setAccessibleName(caption.trimmed());
    }
    button->setText(shown);
}

void colourButton(QPushButton *button, const QColor &colour)
{
    // A chosen mode button stands out with a heavy border and a bold caption; all stay usable.
    // The button with the keyboard's focus gets a dashed border of the highlight colour, so that a
    // learner without a mouse sees where Tab has gone even on the coloured buttons.
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #606060; "
                                         "border-radius: 3px; padding: 2px; }"
                                         "QPushButton:checked { border: 3px solid #202070; font-weight: bold; }"
                                         "QPushButton:focus { border: 3px dashed palette(highlight); }"
                                         "QPushButton:pressed { border-style: inset; }")
                              .arg(colour.name()));
}

} // namespace

SignInWindow::SignInWindow(const Platform &platform, QWidget *parent)
    : QWidget(parent)
    , platform(platform)
    , registry(platform.userDir)
{
    setWindowTitle(QStringLiteral("Teclora: usuario"));
    setFixedSize(Twips::toPixels(QSizeF(ClientWidth, ClientHeight), logicalDpiX()));
    for (int index = 0; index < ModeCount; ++index) {
        QPushButton *button = new QPushButton(this);
        place(button, 120, 480 + 1080 * index, 1575, 975);
        colourButton(button, ModeColours[index]);
        button->setCheckable(index != UnregisteredMode);
        connect(button, &QPushButton::clicked, this, [this, index] {
            Command1_Click(index);
        });
        c.modeButtons[index] = button;
    }
    buildRegisteredFrame();
    buildNewUserFrame();
}

void SignInWindow::buildRegisteredFrame()
{
    c.registeredFrame = new QGroupBox(this);
    place(c.registeredFrame, FrameLeft, FrameTop, FrameWidth, FrameHeight);
    paintBackground(c.registeredFrame, RegisteredGreen);
    c.userList = new QListWidget(c.registeredFrame);
    place(c.userList, 2520, 240, 2415, 1440);
    c.userList->setAccessibleName(QStringLiteral("usuarios registrados"));
    connect(c.userList, &QListWidget::itemClicked, this, &SignInWindow::File1_Click);
    // Moving through the list with the keyboard picks too.
    connect(c.userList, &QListWidget::currentRowChanged, this, &SignInWindow::File1_Click);
    c.nameCaption = new QLabel(c.registeredFrame);
    place(c.nameCaption, 240, 1800, 2160, 375);
    c.nameField = new QLineEdit(c.registeredFrame);
    place(c.nameField, 2520, 1800, 2415, 375);
    c.nameField->setAccessibleName(QStringLiteral("nombre del usuario"));
    c.nameCaption->setBuddy(c.nameField);
    c.claveCaption = new QLabel(c.registeredFrame);
    place(c.claveCaption, 240, 2280, 2160, CodeButtonHeight);
    c.loginButtons = buildCodeButtons(c.registeredFrame, 2520, 2280, &SignInWindow::Command2_Click);
    c.signInButton = new QPushButton(c.registeredFrame);
    place(c.signInButton, 2520, 2880, 2415, 495);
    colourButton(c.signInButton, AcceptBlue);
    connect(c.signInButton, &QPushButton::clicked, this, &SignInWindow::Command3_Click);
    connect(c.nameField, &QLineEdit::returnPressed, c.signInButton, &QPushButton::click);
}

void SignInWindow::buildNewUserFrame()
{
    c.newUserFrame = new QGroupBox(this);
    place(c.newUserFrame, FrameLeft, 240, FrameWidth, 3375);
    paintBackground(c.newUserFrame, NewUserPink);
    c.newNameCaption = new QLabel(c.newUserFrame);
    place(c.newNameCaption, 240, 600, 1920, 495);
    c.newNameField = new QLineEdit(c.newUserFrame);
    place(c.newNameField, 2280, 600, 2415, 495);
    c.newNameField->setMaxLength(UserRegistry::MaxNameLength);
    c.newNameField->setAccessibleName(QStringLiteral("nombre del nuevo usuario"));
    c.newNameCaption->setBuddy(c.newNameField);
    c.newClaveCaption = new QLabel(c.newUserFrame);
    c.newClaveCaption->setWordWrap(true);
    place(c.newClaveCaption, 240, 1320, 1920, 975);
    c.newUserButtons = buildCodeButtons(c.newUserFrame, 2280, 1560, &SignInWindow::Command4_Click);
    c.registerButton = new QPushButton(c.newUserFrame);
    place(c.registerButton, 2280, 2280, 2415, 495);
    colourButton(c.registerButton, AcceptBlue);
    connect(c.registerButton, &QPushButton::clicked, this, &SignInWindow::Command5_Click);
    connect(c.newNameField, &QLineEdit::returnPressed, c.registerButton, &QPushButton::click);
}

SignInWindow::CodeButtons SignInWindow::buildCodeButtons(
    QWidget *frame, double left, double top, void (SignInWindow::*handler)(int))
{
    CodeButtons buttons;
    for (int index = 0; index < ClaveDigits::ButtonCount; ++index) {
        QPushButton *button = new QPushButton(QString(QChar(ClaveDigits::DesignCaptions[index])), frame);
        place(button, left + CodeButtonStep * index, top, CodeButtonWidth, CodeButtonHeight);
        button->setAccessibleDescription(QStringLiteral("cifra %1 de la clave; pulsa para cambiarla").arg(index + 1));
        connect(button, &QPushButton::clicked, this, [this, handler, index] {
            (this->*handler)(index);
        });
        buttons[index] = button;
    }
    return buttons;
}

void SignInWindow::place(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(Twips::toPixels(QRectF(left, top, width, height), logicalDpiX()));
}

const SignInWindow::Controls &SignInWindow::controls() const
{
    return c;
}

void SignInWindow::Form_Load()
{
    c.newUserFrame->hide();
    c.userList->clear();
    c.userList->addItems(registry.users());
    centreOnScreen(*this);
    // Both frames take one place, so only one is ever seen.
    c.newUserFrame->setGeometry(
        c.newUserFrame->x(), c.registeredFrame->y(), c.newUserFrame->width(), c.registeredFrame->height());
    showMode(RegisteredMode);
    SignInTexts = LanguageFiles::generalItems(platform.appDir, 0, GeneralItems::ItemCount);
    applyTexts();
}

void SignInWindow::applyTexts()
{
    using namespace GeneralItems;
    setModeCaption(c.modeButtons[RegisteredMode], SignInTexts.value(RegisteredUser));
    c.registeredFrame->setTitle(SignInTexts.value(RegisteredUser));
    setModeCaption(c.modeButtons[NewUserMode], SignInTexts.value(NewUser));
    c.newUserFrame->setTitle(SignInTexts.value(NewUser));
    setModeCaption(c.modeButtons[UnregisteredMode], SignInTexts.value(Unregistered));
    c.nameCaption->setText(SignInTexts.value(NameCaption));
    c.claveCaption->setText(SignInTexts.value(ClaveCaption));
    c.signInButton->setText(SignInTexts.value(Accept));
    c.registerButton->setText(SignInTexts.value(Accept));
    c.newNameCaption->setText(SignInTexts.value(NewNameCaption));
    c.newClaveCaption->setText(SignInTexts.value(NewClaveCaption));
}

void SignInWindow::showMode(Mode mode)
{
    paintBackground(this, mode == RegisteredMode ? RegisteredGreen : NewUserPink);
    c.registeredFrame->setVisible(mode == RegisteredMode);
    c.newUserFrame->setVisible(mode == NewUserMode);
    c.modeButtons[RegisteredMode]->setChecked(mode == RegisteredMode);
    c.modeButtons[NewUserMode]->setChecked(mode == NewUserMode);
    (mode == RegisteredMode ? c.nameField : c.newNameField)->setFocus();
}

void SignInWindow::Command1_Click(int index)
{
    if (index == UnregisteredMode) {
        Q_EMIT signedIn(QString());
        return;
    }
    showMode(static_cast<Mode>(index));
}

void SignInWindow::File1_Click()
{
    if (const QListWidgetItem *item = c.userList->currentItem()) {
        c.nameField->setText(item->text());
    }
}

void SignInWindow::Command2_Click(int index)
{
    stepCodeButton(c.loginButtons, LoginDigits, index);
}

void SignInWindow::Command4_Click(int index)
{
    stepCodeButton(c.newUserButtons, NewUserDigits, index);
}

void SignInWindow::stepCodeButton(
    const CodeButtons &buttons, std::array<int, ClaveDigits::ButtonCount> &counters, int index)
{
    buttons[index]->setText(ClaveDigits::step(index, counters[index]));
}

QString SignInWindow::clave(const CodeButtons &buttons)
{
    QString digits;
    for (const QPushButton *button : buttons) {
        digits += button->text();
    }
    return digits;
}

void SignInWindow::Command3_Click()
{
    // Blanks around a name are a slip of the keyboard, not part of it.
    const QString name = c.nameField->text().trimmed();
    switch (registry.signIn(name, clave(c.loginButtons))) {
    case UserRegistry::SignIn::UnknownUser:
        refuse(GeneralItems::UnknownUser);
        return;
    case UserRegistry::SignIn::WrongClave:
        refuse(GeneralItems::WrongClave);
        return;
    case UserRegistry::SignIn::Accepted:
        Q_EMIT signedIn(name);
        return;
    }
}

void SignInWindow::Command5_Click()
{
    const QString name = c.newNameField->text().trimmed();
    const QString suffix = SignInTexts.value(GeneralItems::HistorySuffix);
    switch (registry.registerUser(name, clave(c.newUserButtons), suffix)) {
    case UserRegistry::Registration::NameMissing:
        platform.sound.beep();
        refuse(GeneralItems::NameMissing);
        return;
    case UserRegistry::Registration::NameUnsafe:
        refuse(GeneralItems::UnsafeName);
        return;
    case UserRegistry::Registration::NameTaken:
        refuse(GeneralItems::NameTaken);
        return;
    case UserRegistry::Registration::WriteFailed:
        platform.dialogs.inform(RegistrationFailed);
        return;
    case UserRegistry::Registration::Registered:
        Q_EMIT signedIn(name);
        return;
    }
}

void SignInWindow::refuse(GeneralItems::Item message)
{
    platform.dialogs.inform(GeneralItems::text(SignInTexts, message));
}
