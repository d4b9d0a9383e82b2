#pragma once

#include <QLabel>

class QMovie;

// Plays an animated GIF in a rectangle. A missing or unreadable file shows nothing.
class AnimatedPicture : public QLabel
{
public:
    explicit AnimatedPicture(QWidget *parent = nullptr);

    // Shows and plays the file, replacing what was shown before.
    void play(const QString &gifPath);
    QString fileName() const;

private:
    QMovie *player;
    // The file last asked for; a missing one is not looked for again on every key.
    QString shownPath;
};
