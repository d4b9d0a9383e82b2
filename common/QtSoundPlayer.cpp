#include "QtSoundPlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : QObject(parent)
    , devices(new QMediaDevices(this))
{
    connect(devices, &QMediaDevices::audioOutputsChanged, this, [this] {
        outputChecked = false;
    });
}

bool QtSoundPlayer::hasOutput()
{
    if (!outputChecked) {
        outputChecked = true;
        outputFound = !QMediaDevices::audioOutputs().isEmpty();
        if (!outputFound && !silenceReported) {
            silenceReported = true;
            qWarning("Teclora: no sound device was found; the error and end sounds stay silent.");
        }
    }
    return outputFound;
}

void QtSoundPlayer::play(const QString &wavPath)
{
    if (!hasOutput()) {
        return;
    }
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
