#include "MainWindowControls.h"

#include "AnimatedPicture.h"
#include "RichTextPane.h"

#include <QComboBox>
#include <QFrame>
#include <QIcon>
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
QLabel *liveLabel(QWidget *window, const QString &description, const QColor &colour, int pointSize)
{
    auto *label = new QLabel(window);
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleDescription(description);
    setTextColour(label, colour);
    QFont font(QStringLiteral("Arial"), pointSize);
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

// A tool-bar button shows a picture; its action is its accessible name and tooltip.
QPushButton *toolButton(
    QWidget *window, const QString &appDir, const QString &picture, const QString &action, const QColor &back)
{
    auto *button = new QPushButton(window);
    button->setIcon(QIcon(appDir + QStringLiteral("/imagenes/botones/") + picture + QStringLiteral(".png")));
    button->setToolTip(action);
    button->setAccessibleName(action);
    button->setFocusPolicy(Qt::NoFocus);
    setBackColour(button, back);
    return button;
}

} // namespace

MainWindowControls MainWindowControls::create(QWidget *window, const QString &appDir)
{
    const QColor white(255, 255, 255);
    MainWindowControls c {};
    c.workArea = new QFrame(window);
    c.workArea->setFrameShape(QFrame::Box);
    c.flag = new QLabel(window);
    c.flag->setScaledContents(true);
    c.flag->setAccessibleName(QStringLiteral("Bandera"));

    c.nextButton
        = toolButton(window, appDir, QStringLiteral("siguiente"), QStringLiteral("Ejercicio siguiente"), white);
    c.numberField = new QLineEdit(QStringLiteral("1"), window);
    c.numberField->setAccessibleName(QStringLiteral("Número de ejercicio"));
    c.numberField->setAlignment(Qt::AlignCenter);
    c.previousButton
        = toolButton(window, appDir, QStringLiteral("anterior"), QStringLiteral("Ejercicio anterior"), white);
    c.startButton = toolButton(window, appDir, QStringLiteral("empezar"), QStringLiteral("Empezar"), {192, 255, 255});
    c.progressButton
        = toolButton(window, appDir, QStringLiteral("progreso"), QStringLiteral("Mi progreso"), {255, 224, 192});
    c.historyButton
        = toolButton(window, appDir, QStringLiteral("historial"), QStringLiteral("Ver el historial"), {128, 255, 128});
    c.textSizeButton
        = toolButton(window, appDir, QStringLiteral("letra"), QStringLiteral("Tamaño de la letra"), {255, 255, 0});
    c.speedLabel = liveLabel(window, QStringLiteral("pulsaciones por minuto"), Blue, 12);
    c.timeLabel = liveLabel(window, QStringLiteral("tiempo"), Blue, 12);
    c.randomButton = toolButton(window, appDir, QStringLiteral("azar"), QStringLiteral("Ejercicio al azar"), white);
    c.reportButton = toolButton(window, appDir, QStringLiteral("informe"), QStringLiteral("Informe"), white);
    c.keyboardButton = toolButton(window, appDir, QStringLiteral("teclado"), QStringLiteral("Teclado"), white);
    c.minimiseButton = toolButton(window, appDir, QStringLiteral("minimizar"), QStringLiteral("Minimizar"), white);
    c.exitButton = toolButton(window, appDir, QStringLiteral("salir"), QStringLiteral("Guardar y salir"), white);
    c.exerciseLabel = liveLabel(window, QStringLiteral("ejercicio actual"), Blue, 14);
    c.exerciseLabel->setText(QStringLiteral("Castellano"));

    c.exercisePane = new RichTextPane(window);
    c.exercisePane->setAccessibleName(QStringLiteral("Texto del ejercicio"));
    c.exercisePane->setInputEnabled(false);
    c.echoPane = new RichTextPane(window);
    c.echoPane->setAccessibleName(QStringLiteral("Historial"));
    c.echoPane->hide();

    c.rightCount = liveButton(window, QStringLiteral("pulsaciones correctas"), QStringLiteral("0"));
    c.wrongCount = liveButton(window, QStringLiteral("pulsaciones erróneas"), QStringLiteral("0"));
    setTextColour(c.wrongCount, QColor(255, 0, 0));
    setTextColour(c.rightCount, Blue);
    c.bestSpeed = liveButton(window, QStringLiteral("mejor velocidad"), QStringLiteral("0"));
    c.averageSpeed = liveButton(window, QStringLiteral("velocidad media"), QStringLiteral("0"));

    c.languageList = new QComboBox(window);
    c.languageList->setAccessibleDescription(QStringLiteral("idioma de los ejercicios"));
    c.lessonList = new QListWidget(window);
    c.lessonList->setAccessibleName(QStringLiteral("Lecciones"));

    // A hint may take two lines of the hint line's height.
    c.hintLine = liveLabel(window, QStringLiteral("pista"), Navy, 10);
    c.hintLine->setWordWrap(true);
    c.hintLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.nextCharLabel = liveLabel(window, QStringLiteral("siguiente carácter"), Blue, 40);
    c.nextCharLabel->setAlignment(Qt::AlignCenter);
    c.accuracyLabel = liveLabel(window, QStringLiteral("precisión"), Blue, 20);
    c.accuracyLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    c.reactionPicture = new AnimatedPicture(window);
    c.lineAnimation = new AnimatedPicture(window);
    c.waveAnimation = new AnimatedPicture(window);
    return c;
}
