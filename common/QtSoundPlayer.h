#pragma once

#include "SoundPlayer.h"

#include <QHash>
#include <QObject>

class QMediaDevices;
class QSoundEffect;

class QtSoundPlayer : public QObject, public SoundPlayer
{
public:
    explicit QtSoundPlayer(QObject *parent = nullptr);
    void play(const QString &wavPath) override;
    void beep() override;

private:
    // Looks for an audio output once, and again only when the outputs change. Without one the
    // program is silent and says so on standard error, once, not on every key.
    bool hasOutput();

    // One effect per file, loaded on first use, so a key press never waits for a file.
    QHash<QString, QSoundEffect *> effects;
    QMediaDevices *devices;
    bool outputChecked = false;
    bool outputFound = false;
    bool silenceReported = false;
};
