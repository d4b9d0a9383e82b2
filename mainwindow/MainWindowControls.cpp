#include "MainWindowControls.h"

#include "AnimatedPicture.h"
#include "FitTextLabel.h"
#include "RichTextPane.h"

#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace
{

const QColor Blue(0, 0, 255);
const QColor Navy(0, 0, 128);

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void setBackColour(QPushButton *button, const QColor &colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
}

// A label whose text changes: its text stays its accessible name, the description says what it is.
QLabel *liveLabel(QLabel *label, const QString &description, const QColor &colour, double pointSize)
{
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleDescription(description);
    setTextColour(label, colour);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QPushButton *liveButton(QWidget *window, const QString &description, const QString &caption)
{
    auto *button = new QPushButton(caption, window);
    button->setAccessibleDescription(description);
    button->setFocusPolicy(Qt::NoFocus);
    QFont font(QStringLiteral("Arial"), 12);
    font.setBold(true);
    button->setFont(font);
    return button;
}

// A tool-bar button shows a picture; its action is its accessible name, and with its shortcut its
// tooltip. Tab reaches it, but a click leaves the focus where the learner is typing.
QPushButton *toolButton(QWidget *window, const QString &appDir, const QString &picture, const QString &action,
    const QColor &back, const QKeySequence &shortcut)
{
    auto *button = new QPushButton(window);
    button->setIcon(QIcon(appDir + QStringLiteral("/imagenes/botones/") + picture + QStringLiteral(".png")));
    button->setShortcut(shortcut);
    MainWindowControls::nameToolButton(button, action);
    button->setFocusPolicy(Qt::TabFocus);
    setBackColour(button, back);
    // The style's own focus mark is a hairline lost on a coloured button; Tab must show clearly
    // where it is.
    button->setStyleSheet(QStringLiteral("QPushButton:focus { border: 3px solid palette(highlight); "
                                         "border-radius: 4px; background-color: %1; }")
                              .arg(back.name()));
    return button;
}

} // namespace

void MainWindowControls::nameToolButton(QPushButton *button, const QString &action)
{
    button->setToolTip(
        action + QStringLiteral(" (") + button->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')'));
    button->setAccessibleName(action);
}

MainWindowControls MainWindowControls::create(QWidget *window, const QString &appDir)
{
    const QColor white(255, 255, 255);
    MainWindowControls c {};
    c.workArea = new QFrame(window);
    c.workArea->setFrameShape(QFrame::Box);
    c.flag = new QLabel(window);
    c.flag->setScaledContents(true);
    c.flag->setAccessibleName(QStringLiteral("Bandera"));

    c.nextButton = toolButton(window, appDir, QStringLiteral("siguiente"), QStringLiteral("Ejercicio siguiente"), white,
        QKeySequence(Qt::ALT | Qt::Key_Right));
    c.numberField = new QLineEdit(QStringLiteral("1"), window);
    c.numberField->setAccessibleName(QStringLiteral("Número de ejercicio"));
    c.numberField->setAlignment(Qt::AlignCenter);
    c.previousButton = toolButton(window, appDir, QStringLiteral("anterior"), QStringLiteral("Ejercicio anterior"),
        white, QKeySequence(Qt::ALT | Qt::Key_Left));
    c.startButton = toolButton(window, appDir, QStringLiteral("empezar"), QStringLiteral("Empezar"), {192, 255, 255},
        QKeySequence(Qt::Key_F5));
    c.progressButton = toolButton(window, appDir, QStringLiteral("progreso"), QStringLiteral("Mi progreso"),
        {255, 224, 192}, QKeySequence(Qt::CTRL | Qt::Key_G));
    c.historyButton = toolButton(window, appDir, QStringLiteral("historial"), QStringLiteral("Ver el historial"),
        {128, 255, 128}, QKeySequence(Qt::CTRL | Qt::Key_H));
    c.textSizeButton = toolButton(window, appDir, QStringLiteral("letra"), QStringLiteral("Tamaño de la letra"),
        {255, 255, 0}, QKeySequence(Qt::CTRL | Qt::Key_T));
    c.speedLabel = liveLabel(new FitTextLabel(window), QStringLiteral("pulsaciones por minuto"), Blue, 12);
    c.timeLabel = liveLabel(new FitTextLabel(window), QStringLiteral("tiempo"), Blue, 12);
    c.randomButton = toolButton(window, appDir, QStringLiteral("azar"), QStringLiteral("Ejercicio al azar"), white,
        QKeySequence(Qt::CTRL | Qt::Key_R));
    c.reportButton = toolButton(window, appDir, QStringLiteral("informe"), QStringLiteral("Informe"), white,
        QKeySequence(Qt::CTRL | Qt::Key_P));
    c.keyboardButton = toolButton(window, appDir, QStringLiteral("teclado"), QStringLiteral("Teclado"), white,
        QKeySequence(Qt::CTRL | Qt::Key_B));
    c.minimiseButton = toolButton(window, appDir, QStringLiteral("minimizar"), QStringLiteral("Minimizar"), white,
        QKeySequence(Qt::CTRL | Qt::Key_M));
    c.exitButton = toolButton(window, appDir, QStringLiteral("salir"), QStringLiteral("Guardar y salir"), white,
        QKeySequence(Qt::CTRL | Qt::Key_Q));
    c.settingsButton = toolButton(window, appDir, QStringLiteral("ajustes"), QStringLiteral("Ajustes"), white,
        QKeySequence(Qt::CTRL | Qt::Key_Comma));
    c.examButton = toolButton(
        window, appDir, QStringLiteral("examen"), QStringLiteral("Examen"), white, QKeySequence(Qt::CTRL | Qt::Key_E));
    c.openTextButton = toolButton(window, appDir, QStringLiteral("abrir"), QStringLiteral("Abrir texto"), white,
        QKeySequence(Qt::CTRL | Qt::Key_O));
    c.layoutButton = toolButton(window, appDir, QStringLiteral("distribucion"),
        QStringLiteral("Distribución del teclado"), white, QKeySequence(Qt::CTRL | Qt::Key_K));
    c.exerciseLabel = liveLabel(new QLabel(window), QStringLiteral("ejercicio actual"), Blue, ExerciseLabelPoints);
    c.exerciseLabel->setText(QStringLiteral("Castellano"));

    c.exercisePane = new RichTextPane(window);
    c.exercisePane->setAccessibleName(QStringLiteral("Texto del ejercicio"));
    c.exercisePane->setInputEnabled(false);
    c.exercisePane->setShapedTextKept(true);
    c.echoPane = new RichTextPane(window);
    c.echoPane->setAccessibleName(QStringLiteral("Historial"));
    // Its keys are refused by the drill; a screen reader should say so before the learner tries.
    c.echoPane->setReadOnly(true);
    c.echoPane->hide();

    c.rightCount = liveButton(window, QStringLiteral("pulsaciones correctas"), QStringLiteral("0"));
    c.wrongCount = liveButton(window, QStringLiteral("pulsaciones erróneas"), QStringLiteral("0"));
    setTextColour(c.wrongCount, QColor(255, 0, 0));
    setTextColour(c.rightCount, Blue);
    c.bestSpeed = liveButton(window, QStringLiteral("mejor velocidad"), QStringLiteral("0"));
    c.averageSpeed = liveButton(window, QStringLiteral("velocidad media"), QStringLiteral("0"));
    const std::array<QString, 4> captions
        = {QStringLiteral("Aciertos"), QStringLiteral("Fallos"), QStringLiteral("Mejor"), QStringLiteral("Media")};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto *caption = new QLabel(captions[i], window);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setTextColour(caption, Navy);
        caption->setFont(QFont(QStringLiteral("Arial"), 7));
        c.counterCaptions[i] = caption;
    }
    // Random order stays on until Next or Previous: the button stays pressed as long.
    c.randomButton->setCheckable(true);
    c.randomButton->setStyleSheet(c.randomButton->styleSheet()
        + QStringLiteral(" QPushButton:checked { border: 3px inset gray; background-color: #c0c0c0; }"));

    c.languageList = new QComboBox(window);
    c.languageList->setAccessibleDescription(QStringLiteral("idioma de los ejercicios"));
    c.lessonList = new QListWidget(window);
    c.lessonList->setAccessibleName(QStringLiteral("Lecciones"));
    // A name too long for the list ends in "…", the whole of it in its tool tip, rather than
    // being cut off behind a scroll bar.
    c.lessonList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    c.lessonList->setTextElideMode(Qt::ElideRight);

    // A hint may take two lines of the hint line's height.
    c.hintLine = liveLabel(new QLabel(window), QStringLiteral("pista"), Navy, 10);
    c.hintLine->setWordWrap(true);
    c.hintLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.nextCharLabel = liveLabel(new FitTextLabel(window), QStringLiteral("siguiente carácter"), Blue, 40);
    c.nextCharLabel->setAlignment(Qt::AlignCenter);
    c.accuracyLabel = liveLabel(new QLabel(window), QStringLiteral("precisión"), Blue, 20);
    c.accuracyLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    c.reactionPicture = new AnimatedPicture(window);
    c.reactionPicture->setAccessibleName(QStringLiteral("Reacción a la última tecla"));
    c.lineAnimation = new AnimatedPicture(window);
    c.lineAnimation->setAccessibleName(QStringLiteral("Ejercicio en marcha"));
    c.waveAnimation = new AnimatedPicture(window);
    c.waveAnimation->setAccessibleName(QStringLiteral("Ejercicio terminado"));
    return c;
}

QList<QWidget *> MainWindowControls::toolBar() const
{
    return {nextButton, numberField, previousButton, startButton, progressButton, historyButton, textSizeButton,
        randomButton, reportButton, keyboardButton, minimiseButton, exitButton, openTextButton, examButton,
        layoutButton, settingsButton};
}

QList<QWidget *> MainWindowControls::focusOrder() const
{
    return toolBar() + QList<QWidget *> {languageList, lessonList, exercisePane, echoPane};
}
