#include "AnimatedPicture.h"

#include <QEvent>
#include <QImageReader>
#include <QPainter>
#include <QTimerEvent>
#include <QWindow>

namespace
{

// A frame that asks for no time at all would spin the processor; such a file shows its frames
// at the pace most GIF viewers use for it.
constexpr int ShortestDelay = 20;
constexpr int DelayOfTooShort = 100;

} // namespace

AnimatedPicture::AnimatedPicture(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void AnimatedPicture::play(const QString &gifPath)
{
    // A new file, or the same reaction again: it starts over from its first frame. A file is read
    // when it is first painted, so that a window shows itself before its animations are decoded.
    shownPath = gifPath;
    frame = 0;
    clock.stop();
    update();
    followVisibility();
}

QString AnimatedPicture::fileName() const
{
    return shownPath;
}

int AnimatedPicture::currentFrame() const
{
    return frames() != nullptr ? frame : -1;
}

bool AnimatedPicture::isRunning() const
{
    return clock.isActive();
}

const AnimatedPicture::Frames *AnimatedPicture::frames() const
{
    const auto found = decoded.constFind(shownPath);
    return found == decoded.cend() || found->pictures.isEmpty() ? nullptr : &*found;
}

void AnimatedPicture::decode(const QString &gifPath)
{
    // An unreadable file is remembered as one without frames, so it is not read again.
    Frames &file = decoded[gifPath];
    QImageReader reader(gifPath);
    // The pictures are drawn for the rectangles they play in; scaling keeps them filling it
    // whatever the screen's DPI makes of the rectangle.
    for (QImage image = reader.read(); !image.isNull(); image = reader.read()) {
        if (!size().isEmpty() && image.size() != size()) {
            image = image.scaled(size());
        }
        file.pictures.append(QPixmap::fromImage(image));
        const int delay = reader.nextImageDelay();
        file.delays.append(delay < ShortestDelay ? DelayOfTooShort : delay);
        if (!reader.supportsAnimation()) {
            break;
        }
    }
}

bool AnimatedPicture::canBeSeen() const
{
    const QWidget *top = window();
    const QWindow *handle = top->windowHandle();
    return isVisible() && !top->isMinimized() && handle != nullptr && handle->isExposed();
}

void AnimatedPicture::followVisibility()
{
    const Frames *file = frames();
    if (file == nullptr || file->pictures.size() < 2 || !canBeSeen()) {
        clock.stop();
    } else if (!clock.isActive()) {
        clock.start(file->delays.at(frame), this);
    }
}

void AnimatedPicture::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != clock.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    clock.stop();
    const Frames *file = frames();
    if (file == nullptr) {
        return;
    }
    frame = (frame + 1) % file->pictures.size();
    update();
    followVisibility();
}

void AnimatedPicture::paintEvent(QPaintEvent *)
{
    if (!shownPath.isEmpty() && !decoded.contains(shownPath)) {
        decode(shownPath);
        followVisibility();
    }
    if (const Frames *file = frames()) {
        QPainter painter(this);
        painter.drawPixmap(0, 0, file->pictures.at(frame));
    }
}

void AnimatedPicture::resizeEvent(QResizeEvent *)
{
    // The frames kept are of the old size; the files are read again at the new one.
    decoded.clear();
    clock.stop();
    update();
}

void AnimatedPicture::showEvent(QShowEvent *)
{
    watchWindow();
    followVisibility();
}

void AnimatedPicture::hideEvent(QHideEvent *)
{
    clock.stop();
}

void AnimatedPicture::watchWindow()
{
    // Minimising or uncovering the window tells nothing to the widgets in it: the window and its
    // platform window are asked to report it.
    QWidget *top = window();
    if (watchedWindow == top || top->windowHandle() == nullptr) {
        return;
    }
    watchedWindow = top;
    top->installEventFilter(this);
    top->windowHandle()->installEventFilter(this);
}

bool AnimatedPicture::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Expose) {
        followVisibility();
    }
    return false;
}
