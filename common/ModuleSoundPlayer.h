#pragma once

#include "SoundPlayer.h"

#include <QLibrary>

#include <memory>

// Plays the sounds through the sound module beside the program, loaded at the first sound: the
// multimedia libraries the module needs cost some megabytes of memory from the start, and a
// learner who types right hears nothing for a long while. Without the module, or without an
// audio device, the program is silent.
class ModuleSoundPlayer : public SoundPlayer
{
public:
    explicit ModuleSoundPlayer(const QString &modulePath);
    ~ModuleSoundPlayer() override;
    void play(const QString &wavPath) override;

    // The module's one entry point: a new player, owned by the caller.
    static constexpr const char *Factory = "teclora_createSoundPlayer";

private:
    QLibrary module;
    bool loaded = false;
    std::unique_ptr<SoundPlayer> player;
};
