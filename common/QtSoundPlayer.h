#pragma once

#include "SoundPlayer.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

class QtSoundPlayer : public QObject, public SoundPlayer
{
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    void play(const QString &wavPath) override;
    void beep() override;

private:
    // One effect per file, loaded on first use, so a key press never waits for a file.
    QHash<QString, QSoundEffect *> effects;
};
