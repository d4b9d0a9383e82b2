#include "StartWindow.h"

#include "AnimatedPicture.h"
#include "ScreenCentre.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace
{

// The window's design, in twips.
constexpr double ClientWidth = 9555;
constexpr double ClientHeight = 6105;
constexpr int SlideStep = 30;
constexpr int SlideTop = 150;
// The animation stops this far past the window's right edge, out of sight.
constexpr int SlideEndMargin = 400;
constexpr int SlideInterval = 200;
// The enter prompt's distance from the cover's edges.
constexpr double PromptMargin = 120;

} // namespace

StartWindow::StartWindow(const Platform &platform, QWidget *parent)
    : QWidget(parent)
    , platform(platform)
{
    setWindowTitle(QStringLiteral("Teclora: bienvenida"));
    setFixedSize(Twips::toPixels(QSizeF(ClientWidth, ClientHeight), logicalDpiX()));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    centreOnScreen(*this);

    slideTimer.setInterval(SlideInterval);
    connect(&slideTimer, &QTimer::timeout, this, &StartWindow::advanceSlide);
    // The parts are built once the window is on its way to the screen. The first child widget
    // starts Qt's accessibility bridge, which connects to the session bus, and the cover needs the
    // JPEG plug-in: both would hold the map back by milliseconds. The parts are still there by
    // the first paint, which waits for the window to be exposed.
    QTimer::singleShot(0, this, &StartWindow::buildParts);
}

QRect StartWindow::twipsToPixels(double left, double top, double width, double height) const
{
    return Twips::toPixels(QRectF(left, top, width, height), logicalDpiX());
}

void StartWindow::buildParts()
{
    title = new QLabel(QStringLiteral("TECLORA 5.0"), this);
    picture = new QLabel(this);
    slide = new AnimatedPicture(this);
    // Named, so that tests and scripts find the parts.
    title->setObjectName(QStringLiteral("title"));
    picture->setObjectName(QStringLiteral("picture"));
    slide->setObjectName(QStringLiteral("slide"));
    title->setGeometry(twipsToPixels(4440, 120, 5895, 1095));
    title->setFont(QFont(QStringLiteral("Arial"), 36, QFont::Bold));
    QPalette blue = title->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    title->setPalette(blue);

    picture->setGeometry(twipsToPixels(0, 1080, 9540, 5010));
    picture->setScaledContents(true);
    picture->setAccessibleName(QStringLiteral("portada: pulsa para entrar"));
    picture->setToolTip(QStringLiteral("Pulsa o pulsa Intro para entrar"));
    picture->setCursor(Qt::PointingHandCursor);
    buildEnterPrompt();

    slide->setGeometry(twipsToPixels(0, 120, 2175, 855));
    picture->setPixmap(QPixmap(platform.path(QStringLiteral("imagenes/portada.jpg"))));
    slide->play(platform.path(QStringLiteral("gifs/feli2.gif")));
    // The window is already visible, so each part is shown by itself.
    title->show();
    picture->show();
    enterPrompt->show();
    slide->show();
    // The slide moves the animation, so it starts once there is one.
    slideTimer.start();
}

void StartWindow::buildEnterPrompt()
{
    // A learner who does not know that Enter works waits for something to happen; the tooltip
    // only shows to one who already reaches for the mouse. The sentence is one text, read out
    // whole, and wraps into these three lines, narrow enough for the free corner of the cover.
    const QStringList lines
        = {QStringLiteral("Haz clic o"), QStringLiteral("pulsa Intro"), QStringLiteral("para entrar")};
    enterPrompt = new QLabel(lines.join(QLatin1Char(' ')), this);
    enterPrompt->setObjectName(QStringLiteral("enterPrompt"));
    // A click on it is a click on the cover.
    enterPrompt->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont bold = enterPrompt->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    enterPrompt->setFont(bold);
    enterPrompt->setStyleSheet(QStringLiteral("QLabel { color: #0000c0; background-color: rgba(255, 255, 255, 215); "
                                              "border: 1px solid #8080c0; border-radius: 6px; padding: 3px 8px; }"));
    enterPrompt->setAlignment(Qt::AlignCenter);
    enterPrompt->setWordWrap(true);
    enterPrompt->ensurePolished();
    const QFontMetrics metrics(bold);
    int widest = 0;
    for (const QString &line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    // The padding of the style sheet is in the margins once the label is polished.
    const QMargins padding = enterPrompt->contentsMargins();
    enterPrompt->setFixedWidth(padding.left() + widest + padding.right() + 1);
    enterPrompt->adjustSize();
    // In the cover's lower right corner, beside the keyboard and below it, where the cover shows
    // only its background.
    const int margin = Twips::toPixels(PromptMargin, logicalDpiX());
    const QRect corner = picture->geometry().marginsRemoved(QMargins(0, 0, margin, margin));
    enterPrompt->move(
        corner.x() + corner.width() - enterPrompt->width(), corner.y() + corner.height() - enterPrompt->height());
}

void StartWindow::advanceSlide()
{
    slideLeft += SlideStep;
    const double outerWidth = Twips::fromPixels(frameGeometry().size(), logicalDpiX()).width();
    if (outerWidth + SlideEndMargin > slideLeft) {
        slide->move(Twips::toPixels(QPointF(slideLeft, SlideTop), logicalDpiX()));
    }
}

void StartWindow::mousePressEvent(QMouseEvent *event)
{
    // Taking the press makes the release come here too, wherever it is.
    event->accept();
}

void StartWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint where = event->position().toPoint();
    // The title and the animation lie over the background, but clicking them does nothing.
    if (!rect().contains(where) || title->geometry().contains(where) || slide->geometry().contains(where)) {
        return;
    }
    Q_EMIT signInRequested();
}

void StartWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT signInRequested();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void StartWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}
