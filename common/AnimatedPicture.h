#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include "FrameClock.h"

// Plays an animated GIF in a rectangle. A missing or unreadable file shows nothing.
//
// A decorative animation runs for hours while the learner thinks, so it costs as little as it
// can: the frames of a file are decoded once, scaled to the rectangle and kept while it shows (the
// pictures are small), a new frame repaints only this rectangle, and the animation stands still
// while nobody can see it: while it or its window is hidden or minimised, or the window is not
// exposed. Hidden, it keeps no frames and reads its file again when it next paints.
//
// Nor does it play for nobody: it rests on the frame it shows, with no timer left running, while
// its window is not the active one, and once nobody has woken it for a quiet spell (ten seconds,
// see wake()): a learner who stops to read or think leaves a window that wakes nobody. Playing a
// file, and the window becoming the active one, wake it as well.
//
// The pictures have transparent parts, and a transparent widget makes every frame repaint the
// window's background and every widget beneath it as well. So once it plays, the animation takes
// a copy of what lies beneath its rectangle, lays each frame over that copy once, and paints as an
// opaque widget from then on. The copy is taken again whenever it may have changed: the
// rectangle moved or was resized, the colours or the background changed, or a widget beneath it
// repainted with something new.
class AnimatedPicture : public QWidget, private FrameClock::Follower
{
public:
    explicit AnimatedPicture(QWidget *parent = nullptr);
    ~AnimatedPicture() override;

    // Shows and plays the file, replacing what was shown before; the same file again starts over
    // from its first frame.
    void play(const QString &gifPath);
    QString fileName() const;

    // Someone is at the keyboard: a resting animation plays again, for another quiet spell. Cheap
    // enough to call on every key.
    void wake();
    // How long it plays on after the last wake, in milliseconds.
    void setQuietSpell(int milliseconds);
    // A learner who finds movement distracting keeps it still on the frame it shows: nothing wakes
    // it until it is let go again.
    void setStill(bool still);

    // The frame on show, counted from 0; -1 when nothing is shown (yet, or while it is hidden).
    int currentFrame() const;
    // Whether the next frame is due: false while it stands still or shows a still picture.
    bool isRunning() const;
    // Whether its frames are laid over a copy of what lies beneath them, so that a new frame
    // repaints nothing else.
    bool paintsOpaque() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    struct Frames {
        QList<QImage> pictures; // scaled to the rectangle, in 8 bits a pixel where that loses nothing
        QList<int> delays; // milliseconds each frame stays
        // The pictures laid over the backdrop, as they are first needed.
        QList<QPixmap> overBackdrop;
    };

    void frameDue() override;
    const Frames *frames() const;
    Frames *frames();
    void decode(const QString &gifPath);
    bool canBeSeen(const QRegion &seen) const;
    // Whether its window is the active one and someone woke it within the quiet spell.
    bool someoneWatches() const;
    // Starts or stops the frame clock as the animation becomes visible or invisible, or wakes or
    // rests.
    void followVisibility();
    void watchWindow();

    // Draws into `image`, which holds the whole rectangle, what lies beneath `part` of it (in
    // the parent's coordinates): the parent and the widgets under this one.
    void drawBackdrop(QImage &image, const QRegion &part);
    // Takes the backdrop when there is none, or again where it may have changed, and keeps the
    // frames laid over it for as long as it stays the same.
    void refreshBackdrop();
    void forgetBackdrop();
    void dropFramesOverBackdrop();
    void watchWidgetsBeneath();
    void watchBeneath(QObject *object);
    // Where a widget beneath lies, in the parent's coordinates.
    QRect placeBeneath(const QWidget *widget) const;
    const QPixmap &frameOverBackdrop(Frames &file, int index);

    // The file last asked for; a missing one is not looked for again on every key.
    QString shownPath;
    // Every file this rectangle has played, at its present size: the reaction picture takes
    // turns between two files on every key.
    QHash<QString, Frames> decoded;
    int frame = -1;
    QObject *watchedWindow = nullptr;

    QImage backdrop; // null while the frames are painted with their transparency
    // Where, in the parent's coordinates, what lies beneath may have changed since it was taken.
    QRegion backdropInDoubt;
    bool takingBackdrop = false;
    QList<QPointer<QWidget>> widgetsBeneath;

    // Counts the quiet spell from the last wake; the timer looks at it only while the animation
    // plays, so a key costs no more than restarting the count.
    QElapsedTimer sinceWake;
    QBasicTimer quietTimer;
    int quietSpell = 10'000;
    bool resting = false;
    bool keptStill = false;
};
