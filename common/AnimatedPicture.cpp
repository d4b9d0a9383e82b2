#include "AnimatedPicture.h"

#include <QEvent>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QTimerEvent>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace
{

// A frame that asks for no time at all would spin the processor; such a file shows its frames
// at the pace most GIF viewers use for it.
constexpr int ShortestDelay = 20;
constexpr int DelayOfTooShort = 100;

// A GIF frame has 256 colours at most: in 8 bits a pixel it takes a quarter of the memory. A
// frame whose colours do not survive that (scaled smoothly, say) is kept as it is. The colour
// table is built from the frame's own colours: Qt's conversion to 8 bits puts a frame with
// transparent pixels on a fixed palette, which no frame of a GIF survives.
QImage compact(const QImage &picture)
{
    const QImage full = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage indexed(full.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    QHash<QRgb, uchar> indexOf;
    for (int y = 0; y < full.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(full.constScanLine(y));
        uchar *to = indexed.scanLine(y);
        for (int x = 0; x < full.width(); ++x) {
            auto found = indexOf.constFind(from[x]);
            if (found == indexOf.cend()) {
                if (table.size() == 256) {
                    return full;
                }
                found = indexOf.insert(from[x], uchar(table.size()));
                table.append(qUnpremultiply(from[x]));
            }
            to[x] = *found;
        }
    }
    indexed.setColorTable(table);
    return indexed.convertToFormat(QImage::Format_ARGB32_Premultiplied) == full ? indexed : full;
}

} // namespace

AnimatedPicture::AnimatedPicture(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    sinceWake.start();
}

AnimatedPicture::~AnimatedPicture()
{
    FrameClock::shared().stop(this);
}

void AnimatedPicture::play(const QString &gifPath)
{
    // A new file, or the same reaction again: it starts over from its first frame. A file is read
    // when it is first painted, so that a window shows itself before its animations are decoded.
    // A learner typing fast plays the reaction again while its first frame still shows: only its
    // clock starts over, with nothing to repaint.
    const bool firstFrameShows = gifPath == shownPath && frame == 0 && frames() != nullptr;
    shownPath = gifPath;
    frame = 0;
    FrameClock::shared().stop(this);
    if (!firstFrameShows) {
        update();
    }
    // A file played is as good as a key: the reaction picture plays one on every key.
    sinceWake.restart();
    resting = false;
    followVisibility();
}

void AnimatedPicture::wake()
{
    sinceWake.restart();
    if (std::exchange(resting, false)) {
        followVisibility();
    }
}

void AnimatedPicture::setQuietSpell(int milliseconds)
{
    quietSpell = std::max(milliseconds, 0);
    // A spell already running is measured against the new length at its end.
    quietTimer.stop();
    followVisibility();
}

void AnimatedPicture::setStill(bool still)
{
    keptStill = still;
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
    return FrameClock::shared().waits(this);
}

bool AnimatedPicture::paintsOpaque() const
{
    return testAttribute(Qt::WA_OpaquePaintEvent);
}

const AnimatedPicture::Frames *AnimatedPicture::frames() const
{
    const auto found = decoded.constFind(shownPath);
    return found == decoded.cend() || found->pictures.isEmpty() ? nullptr : &*found;
}

AnimatedPicture::Frames *AnimatedPicture::frames()
{
    return const_cast<Frames *>(std::as_const(*this).frames());
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
        file.pictures.append(compact(image));
        const int delay = reader.nextImageDelay();
        file.delays.append(delay < ShortestDelay ? DelayOfTooShort : delay);
        if (!reader.supportsAnimation()) {
            break;
        }
    }
}

bool AnimatedPicture::canBeSeen(const QRegion &seen) const
{
    const QWidget *top = window();
    const QWindow *handle = top->windowHandle();
    // Moved out of its parent's sight (the start-up window slides its animation off the edge),
    // nothing of it shows.
    return isVisible() && !top->isMinimized() && handle != nullptr && handle->isExposed() && !seen.isEmpty();
}

bool AnimatedPicture::someoneWatches() const
{
    // The platform window's own word: a dialog of the window leaves it active.
    const QWindow *handle = window()->windowHandle();
    return !keptStill && !resting && handle != nullptr && handle->isActive();
}

void AnimatedPicture::followVisibility()
{
    const Frames *file = frames();
    if (file == nullptr || file->pictures.size() < 2 || !someoneWatches() || !canBeSeen(visibleRegion())) {
        FrameClock::shared().stop(this);
        quietTimer.stop();
        return;
    }
    if (!isRunning()) {
        FrameClock::shared().wake(this, file->delays.at(frame));
    }
    if (!quietTimer.isActive()) {
        quietTimer.start(int(std::max<qint64>(quietSpell - sinceWake.elapsed(), 0)), this);
    }
}

void AnimatedPicture::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != quietTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    // Keys only restart the count: the spell is checked here, once it may have run out.
    const qint64 quiet = sinceWake.elapsed();
    if (quiet < quietSpell) {
        quietTimer.start(int(quietSpell - quiet), this);
        return;
    }
    resting = true;
    followVisibility();
}

void AnimatedPicture::frameDue()
{
    Frames *file = frames();
    if (file == nullptr) {
        return;
    }
    frame = (frame + 1) % file->pictures.size();
    // The backdrop is taken here, between paints: taking it paints the widgets beneath.
    refreshBackdrop();
    update();
    followVisibility();
}

void AnimatedPicture::paintEvent(QPaintEvent *)
{
    if (takingBackdrop) {
        return;
    }
    if (!shownPath.isEmpty() && !decoded.contains(shownPath)) {
        decode(shownPath);
        followVisibility();
    }
    if (Frames *file = frames()) {
        QPainter painter(this);
        if (backdrop.isNull()) {
            painter.drawImage(rect(), file->pictures.at(frame));
        } else {
            painter.drawPixmap(0, 0, frameOverBackdrop(*file, frame));
        }
    }
}

void AnimatedPicture::resizeEvent(QResizeEvent *)
{
    // The frames kept are of the old size; the files are read again at the new one.
    forgetBackdrop();
    decoded.clear();
    FrameClock::shared().stop(this);
    update();
}

void AnimatedPicture::moveEvent(QMoveEvent *)
{
    forgetBackdrop();
    followVisibility();
}

void AnimatedPicture::changeEvent(QEvent *event)
{
    // A new background tile or palette reaches this widget as its own palette change.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange
        || event->type() == QEvent::ParentChange) {
        forgetBackdrop();
    }
    QWidget::changeEvent(event);
}

void AnimatedPicture::showEvent(QShowEvent *)
{
    watchWindow();
    // The frames dropped while it was hidden are read again at its next paint, which a window
    // restored from its backing store would not ask for.
    if (frames() == nullptr && !shownPath.isEmpty()) {
        update();
    }
    followVisibility();
}

void AnimatedPicture::hideEvent(QHideEvent *)
{
    // A hidden animation (the wave while a drill runs, any of them while the window is minimised)
    // keeps no frames at all: the file is read again when it next paints, where it left off.
    forgetBackdrop();
    decoded.clear();
    FrameClock::shared().stop(this);
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

bool AnimatedPicture::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == watchedWindow || watched == window()->windowHandle()) {
        if (type == QEvent::WindowStateChange || type == QEvent::Expose) {
            followVisibility();
        }
        // A learner who comes back to the window is someone to play for.
        if (watched == window()->windowHandle() && (type == QEvent::FocusIn || type == QEvent::FocusOut)) {
            if (type == QEvent::FocusIn) {
                wake();
            }
            followVisibility();
        }
    }
    if (watched == parentWidget()) {
        // A widget added beside this one may come to lie beneath it.
        if (type == QEvent::ChildAdded || type == QEvent::ChildRemoved) {
            backdropInDoubt = geometry();
        }
        return false;
    }
    if (takingBackdrop) {
        return false;
    }
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (widget == nullptr) {
        // The platform window repaints with anything in it; its widgets beneath say where.
        if (type == QEvent::Show || type == QEvent::Hide || type == QEvent::Resize) {
            backdropInDoubt = geometry();
        }
        return false;
    }
    // A widget beneath that repaints may show something new under the transparent parts, where
    // it lies (the seconds beside the line overlap it by one column of pixels). What it repaints
    // says nothing: that leaves out what this widget covers.
    if (type == QEvent::Paint && widgetsBeneath.contains(widget)) {
        backdropInDoubt |= placeBeneath(widget) & geometry();
    } else if (type == QEvent::Paint || type == QEvent::Show || type == QEvent::Hide || type == QEvent::Move
        || type == QEvent::Resize || type == QEvent::PaletteChange || type == QEvent::FontChange
        || type == QEvent::ChildAdded || type == QEvent::ChildRemoved) {
        backdropInDoubt = geometry();
    }
    return false;
}

void AnimatedPicture::drawBackdrop(QImage &image, const QRegion &part)
{
    const QRegion inside = part & geometry();
    if (inside.isEmpty()) {
        return;
    }
    {
        QPainter eraser(&image);
        eraser.setCompositionMode(QPainter::CompositionMode_Source);
        eraser.setClipRegion(inside.translated(-pos()));
        eraser.fillRect(rect(), Qt::transparent);
    }
    // The parent paints its background and every widget over it, this one painting nothing.
    takingBackdrop = true;
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    parentWidget()->render(
        &image, inside.boundingRect().topLeft() - pos(), inside, QWidget::DrawWindowBackground | QWidget::DrawChildren);
    takingBackdrop = false;
}

void AnimatedPicture::refreshBackdrop()
{
    const qreal ratio = devicePixelRatioF();
    const bool whole = backdrop.isNull() || backdrop.devicePixelRatio() != ratio;
    if ((!whole && backdropInDoubt.isEmpty()) || parentWidget() == nullptr || size().isEmpty()) {
        return;
    }
    const QRegion part = whole ? QRegion(geometry()) : backdropInDoubt;
    QImage now = whole ? QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied) : backdrop.copy();
    now.setDevicePixelRatio(ratio);
    drawBackdrop(now, part);
    backdropInDoubt = QRegion();
    // A widget beneath that repainted the same pixels (a label beside the rectangle whose text
    // changed) leaves the frames laid over the backdrop as they are.
    if (now != backdrop) {
        backdrop = std::move(now);
        dropFramesOverBackdrop();
    }
    // Which widgets lie beneath changes only with something that put the whole rectangle in doubt
    // (a widget shown, moved or added); a repaint beneath leaves them as they are.
    if (part == QRegion(geometry())) {
        watchWidgetsBeneath();
    }
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void AnimatedPicture::forgetBackdrop()
{
    backdrop = QImage();
    dropFramesOverBackdrop();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void AnimatedPicture::dropFramesOverBackdrop()
{
    for (Frames &file : decoded) {
        file.overBackdrop.clear();
    }
}

void AnimatedPicture::watchWidgetsBeneath()
{
    for (const QPointer<QWidget> &widget : std::as_const(widgetsBeneath)) {
        if (widget) {
            widget->removeEventFilter(this);
        }
    }
    widgetsBeneath.clear();
    if (parentWidget() == nullptr) {
        return;
    }
    parentWidget()->installEventFilter(this);
    for (QObject *child : parentWidget()->children()) {
        if (child == this) {
            break; // the widgets created later lie above this one
        }
        watchBeneath(child);
    }
}

void AnimatedPicture::watchBeneath(QObject *object)
{
    // A widget inside one beneath (the text of a pane) repaints without its container.
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget == nullptr || widget->isWindow() || !placeBeneath(widget).intersects(geometry())) {
        return;
    }
    widget->installEventFilter(this);
    widgetsBeneath.append(widget);
    for (QObject *child : widget->children()) {
        watchBeneath(child);
    }
}

QRect AnimatedPicture::placeBeneath(const QWidget *widget) const
{
    return {widget->mapTo(parentWidget(), QPoint()), widget->size()};
}

const QPixmap &AnimatedPicture::frameOverBackdrop(Frames &file, int index)
{
    file.overBackdrop.resize(file.pictures.size());
    QPixmap &laid = file.overBackdrop[index];
    if (laid.isNull()) {
        laid = QPixmap::fromImage(backdrop);
        QPainter painter(&laid);
        painter.drawImage(rect(), file.pictures.at(index));
    }
    return laid;
}
