#include "AnimatedPicture.h"

#include <QMovie>

AnimatedPicture::AnimatedPicture(QWidget *parent)
    : QLabel(parent)
    , movie(new QMovie(this))
{
    // The pictures are drawn for the rectangles they play in; scaling keeps them filling it
    // whatever the screen's DPI makes of the rectangle.
    setScaledContents(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void AnimatedPicture::play(const QString &gifPath)
{
    if (movie->fileName() == gifPath && movie->isValid()) {
        // The same reaction again: restart it rather than reload the file on every key.
        movie->jumpToFrame(0);
        movie->start();
        return;
    }
    movie->stop();
    setMovie(nullptr);
    movie->setFileName(gifPath);
    if (movie->isValid()) {
        setMovie(movie);
        movie->start();
    } else {
        clear();
    }
}

QString AnimatedPicture::fileName() const
{
    return movie->fileName();
}
