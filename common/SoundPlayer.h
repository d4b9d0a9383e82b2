#pragma once

#include <QString>

// Plays a WAV file without waiting for it; a missing file or audio device is silent.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &wavPath) = 0;
    // The system's own warning sound.
    virtual void beep() = 0;
};
