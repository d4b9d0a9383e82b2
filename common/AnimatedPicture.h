#pragma once

#include <QBasicTimer>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QWidget>

// Plays an animated GIF in a rectangle. A missing or unreadable file shows nothing.
//
// A decorative animation runs for hours while the learner thinks, so it costs as little as it
// can: the frames of a file are decoded once, scaled to the rectangle and kept (the pictures are
// small), a new frame repaints only this rectangle, and the animation stands still while nobody
// can see it: while it or its window is hidden or minimised, or the window is not exposed.
class AnimatedPicture : public QWidget
{
public:
    explicit AnimatedPicture(QWidget *parent = nullptr);

    // Shows and plays the file, replacing what was shown before; the same file again starts over.
    void play(const QString &gifPath);
    QString fileName() const;

    // The frame on show, counted from 0; -1 when nothing is shown (yet).
    int currentFrame() const;
    // Whether the next frame is due: false while it stands still or shows a still picture.
    bool isRunning() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void timerEvent(QTimerEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Frames {
        QList<QPixmap> pictures; // scaled to the rectangle
        QList<int> delays; // milliseconds each frame stays
    };

    const Frames *frames() const;
    void decode(const QString &gifPath);
    bool canBeSeen() const;
    // Starts or stops the frame clock as the animation becomes visible or invisible.
    void followVisibility();
    void watchWindow();

    // The file last asked for; a missing one is not looked for again on every key.
    QString shownPath;
    // Every file this rectangle has played, at its present size: the reaction picture takes
    // turns between two files on every key.
    QHash<QString, Frames> decoded;
    int frame = -1;
    QBasicTimer clock;
    QObject *watchedWindow = nullptr;
};
