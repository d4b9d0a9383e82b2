#include "SignInWindow.h"

#include "Dialogs.h"
#include "LanguageFiles.h"
#include "ScreenCentre.h"
#include "SoundPlayer.h"
#include "Twips.h"
#include "UserRegistry.h"

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
// The row the teacher's button adds at the bottom.
constexpr double TeacherRowHeight = 615;

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
    , texts(LanguageFiles::generalItems(platform.appDir, 0, GeneralItems::ItemCount))
{
    setWindowTitle(QStringLiteral("Teclora: usuario"));
    setFixedSize(Twips::toPixels(QSizeF(ClientWidth, ClientHeight), logicalDpiX()));
    for (int index = 0; index < ModeCount; ++index) {
        QPushButton *button = new QPushButton(this);
        place(button, 120, 480 + 1080 * index, 1575, 975);
        colourButton(button, ModeColours[index]);
        button->setCheckable(index != UnregisteredMode);
        connect(button, &QPushButton::clicked, this, [this, index] {
            chooseMode(static_cast<Mode>(index));
        });
        ui.modeButtons[index] = button;
    }
    buildRegisteredFrame();
    buildNewUserFrame();
    ui.userList->addItems(platform.learners.learners());
    applyTexts();
    showMode(RegisteredMode);
    centreOnScreen(*this);
}

void SignInWindow::buildRegisteredFrame()
{
    ui.registeredFrame = new QGroupBox(this);
    place(ui.registeredFrame, FrameLeft, FrameTop, FrameWidth, FrameHeight);
    paintBackground(ui.registeredFrame, RegisteredGreen);
    ui.userList = new QListWidget(ui.registeredFrame);
    place(ui.userList, 2520, 240, 2415, 1440);
    ui.userList->setAccessibleName(QStringLiteral("usuarios registrados"));
    connect(ui.userList, &QListWidget::itemClicked, this, &SignInWindow::pickListedUser);
    // Moving through the list with the keyboard picks too.
    connect(ui.userList, &QListWidget::currentRowChanged, this, &SignInWindow::pickListedUser);
    ui.nameCaption = new QLabel(ui.registeredFrame);
    place(ui.nameCaption, 240, 1800, 2160, 375);
    ui.nameField = new QLineEdit(ui.registeredFrame);
    place(ui.nameField, 2520, 1800, 2415, 375);
    ui.nameField->setAccessibleName(QStringLiteral("nombre del usuario"));
    ui.nameCaption->setBuddy(ui.nameField);
    ui.claveCaption = new QLabel(ui.registeredFrame);
    place(ui.claveCaption, 240, 2280, 2160, CodeButtonHeight);
    ui.loginButtons = buildCodeButtons(ui.registeredFrame, 2520, 2280);
    ui.signInButton = new QPushButton(ui.registeredFrame);
    place(ui.signInButton, 2520, 2880, 2415, 495);
    colourButton(ui.signInButton, AcceptBlue);
    connect(ui.signInButton, &QPushButton::clicked, this, &SignInWindow::acceptSignIn);
    connect(ui.nameField, &QLineEdit::returnPressed, ui.signInButton, &QPushButton::click);
    loginClave = new ClaveButtons(ui.loginButtons, platform.sound, this);
    loginClave->setFocusAfterLast(ui.signInButton);
}

void SignInWindow::buildNewUserFrame()
{
    // It takes the place of the other frame, so only one is ever seen.
    ui.newUserFrame = new QGroupBox(this);
    place(ui.newUserFrame, FrameLeft, FrameTop, FrameWidth, FrameHeight);
    paintBackground(ui.newUserFrame, NewUserPink);
    ui.newNameCaption = new QLabel(ui.newUserFrame);
    place(ui.newNameCaption, 240, 600, 1920, 495);
    ui.newNameField = new QLineEdit(ui.newUserFrame);
    place(ui.newNameField, 2280, 600, 2415, 495);
    ui.newNameField->setMaxLength(UserRegistry::MaxNameLength);
    ui.newNameField->setAccessibleName(QStringLiteral("nombre del nuevo usuario"));
    ui.newNameCaption->setBuddy(ui.newNameField);
    ui.newClaveCaption = new QLabel(ui.newUserFrame);
    ui.newClaveCaption->setWordWrap(true);
    place(ui.newClaveCaption, 240, 1320, 1920, 975);
    ui.newUserButtons = buildCodeButtons(ui.newUserFrame, 2280, 1560);
    ui.registerButton = new QPushButton(ui.newUserFrame);
    place(ui.registerButton, 2280, 2280, 2415, 495);
    colourButton(ui.registerButton, AcceptBlue);
    connect(ui.registerButton, &QPushButton::clicked, this, &SignInWindow::registerLearner);
    connect(ui.newNameField, &QLineEdit::returnPressed, ui.registerButton, &QPushButton::click);
    newUserClave = new ClaveButtons(ui.newUserButtons, platform.sound, this);
    newUserClave->setFocusAfterLast(ui.registerButton);
}

SignInWindow::CodeButtons SignInWindow::buildCodeButtons(QWidget *frame, double left, double top)
{
    CodeButtons buttons;
    for (int index = 0; index < ClaveDigits::Count; ++index) {
        QPushButton *button = new QPushButton(frame);
        place(button, left + CodeButtonStep * index, top, CodeButtonWidth, CodeButtonHeight);
        button->setAccessibleDescription(QStringLiteral("cifra %1 de la clave; pulsa para cambiarla").arg(index + 1));
        buttons[index] = button;
    }
    return buttons;
}

void SignInWindow::offerTeacher()
{
    if (ui.teacherButton) {
        return;
    }
    setFixedSize(Twips::toPixels(QSizeF(ClientWidth, ClientHeight + TeacherRowHeight), logicalDpiX()));
    ui.teacherButton = new QPushButton(QStringLiteral("&Profesor"), this);
    place(ui.teacherButton, 120, ClientHeight, 1575, TeacherRowHeight - 120);
    ui.teacherButton->setToolTip(QStringLiteral("Ver la clase con la contraseña del profesor"));
    connect(ui.teacherButton, &QPushButton::clicked, this, &SignInWindow::teacherRequested);
    ui.teacherButton->show();
}

void SignInWindow::place(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(Twips::toPixels(QRectF(left, top, width, height), logicalDpiX()));
}

const SignInWindow::Controls &SignInWindow::controls() const
{
    return ui;
}

void SignInWindow::applyTexts()
{
    using namespace GeneralItems;
    setModeCaption(ui.modeButtons[RegisteredMode], texts.value(RegisteredUser));
    ui.registeredFrame->setTitle(texts.value(RegisteredUser));
    setModeCaption(ui.modeButtons[NewUserMode], texts.value(NewUser));
    ui.newUserFrame->setTitle(texts.value(NewUser));
    setModeCaption(ui.modeButtons[UnregisteredMode], texts.value(Unregistered));
    ui.nameCaption->setText(texts.value(NameCaption));
    ui.claveCaption->setText(texts.value(ClaveCaption));
    ui.signInButton->setText(texts.value(Accept));
    ui.registerButton->setText(texts.value(Accept));
    ui.newNameCaption->setText(texts.value(NewNameCaption));
    ui.newClaveCaption->setText(texts.value(NewClaveCaption));
}

void SignInWindow::chooseMode(Mode mode)
{
    if (mode == UnregisteredMode) {
        Q_EMIT signedIn(QString());
        return;
    }
    showMode(mode);
}

void SignInWindow::showMode(Mode mode)
{
    paintBackground(this, mode == RegisteredMode ? RegisteredGreen : NewUserPink);
    ui.registeredFrame->setVisible(mode == RegisteredMode);
    ui.newUserFrame->setVisible(mode == NewUserMode);
    ui.modeButtons[RegisteredMode]->setChecked(mode == RegisteredMode);
    ui.modeButtons[NewUserMode]->setChecked(mode == NewUserMode);
    (mode == RegisteredMode ? ui.nameField : ui.newNameField)->setFocus();
}

void SignInWindow::pickListedUser()
{
    if (const QListWidgetItem *item = ui.userList->currentItem()) {
        ui.nameField->setText(item->text());
    }
}

void SignInWindow::acceptSignIn()
{
    // Blanks around a name are a slip of the keyboard, not part of it.
    const QString name = ui.nameField->text().trimmed();
    const LearnerStore::SignInAnswer answer = platform.learners.signIn(name, loginClave->clave().text());
    switch (answer.outcome) {
    case LearnerStore::SignIn::UnknownUser:
        refuse(GeneralItems::UnknownUser);
        return;
    case LearnerStore::SignIn::WrongClave:
        refuse(GeneralItems::WrongClave);
        return;
    case LearnerStore::SignIn::Waiting:
        platform.dialogs.inform(GeneralItems::text(texts, GeneralItems::ClaveWait)
                                    .replace(QStringLiteral("%1"), QString::number(answer.waitSeconds)));
        return;
    case LearnerStore::SignIn::Unreachable:
        offerUnregistered();
        return;
    case LearnerStore::SignIn::Accepted:
        Q_EMIT signedIn(name);
        return;
    }
}

void SignInWindow::registerLearner()
{
    const QString name = ui.newNameField->text().trimmed();
    if (const std::optional<LearnerStore::Registration> refusal = platform.learners.refusalOf(name)) {
        answerRegistration(*refusal, name);
        return;
    }
    if (!keepsDefaultClave()) {
        ui.newUserButtons[0]->setFocus();
        return;
    }
    answerRegistration(
        platform.learners.registerLearner(name, newUserClave->clave().text(), texts.value(GeneralItems::HistorySuffix)),
        name);
}

bool SignInWindow::keepsDefaultClave()
{
    const ClaveDigits &clave = newUserClave->clave();
    if (clave.isChosen()) {
        return true;
    }
    QString question = GeneralItems::text(texts, GeneralItems::DefaultClaveQuestion);
    return platform.dialogs.askYesNo(question.replace(QStringLiteral("%1"), clave.text()));
}

void SignInWindow::answerRegistration(LearnerStore::Registration outcome, const QString &name)
{
    switch (outcome) {
    case LearnerStore::Registration::NameMissing:
        platform.sound.beep();
        refuse(GeneralItems::NameMissing);
        return;
    case LearnerStore::Registration::NameUnsafe:
        refuse(GeneralItems::UnsafeName);
        return;
    case LearnerStore::Registration::NameTaken:
        refuse(GeneralItems::NameTaken);
        return;
    case LearnerStore::Registration::WriteFailed:
        platform.dialogs.inform(RegistrationFailed);
        return;
    case LearnerStore::Registration::Unreachable:
        offerUnregistered();
        return;
    case LearnerStore::Registration::Registered:
        Q_EMIT signedIn(name);
        return;
    }
}

void SignInWindow::offerUnregistered()
{
    if (platform.dialogs.askYesNo(GeneralItems::text(texts, GeneralItems::ServerAway))) {
        Q_EMIT signedIn(QString());
    }
}

void SignInWindow::refuse(GeneralItems::Item message)
{
    platform.dialogs.inform(GeneralItems::text(texts, message));
}
