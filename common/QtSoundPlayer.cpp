#include "QtSoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : QObject(parent)
{
}

void QtSoundPlayer::play(const QString &wavPath)
{
    QSoundEffect *&effect = effects[wavPath];
    if (!effect) {
        effect = new QSoundEffect(this);
        if (QFileInfo::exists(wavPath)) {
            effect->setSource(QUrl::fromLocalFile(wavPath));
        }
    }
    effect->stop();
    effect->play();
}

void QtSoundPlayer::beep()
{
    QApplication::beep();
}
