#include "AnimatedPicture.h"

#include <QMovie>

AnimatedPicture::AnimatedPicture(QWidget *parent)
    : QLabel(parent)
    , player(new QMovie(this))
{
    // The pictures are drawn for the rectangles they play in; scaling keeps them filling it
    // whatever the screen's DPI makes of the rectangle.
    setScaledContents(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void AnimatedPicture::play(const QString &gifPath)
{
    if (gifPath == shownPath) {
        // The same reaction again: restart it rather than reload the file on every key.
        if (movie() != nullptr) {
            player->jumpToFrame(0);
            player->start();
        }
        return;
    }
    shownPath = gifPath;
    player->stop();
    setMovie(nullptr);
    player->setFileName(gifPath);
    if (player->isValid()) {
        setMovie(player);
        player->start();
    } else {
        clear();
    }
}

QString AnimatedPicture::fileName() const
{
    return shownPath;
}
