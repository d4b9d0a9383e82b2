#include "ModuleSoundPlayer.h"

ModuleSoundPlayer::ModuleSoundPlayer(const QString &modulePath)
    : module(modulePath)
{
}

// The player's code lives in the module, which stays loaded until the program ends.
ModuleSoundPlayer::~ModuleSoundPlayer() = default;

void ModuleSoundPlayer::play(const QString &wavPath)
{
    if (!loaded) {
        loaded = true;
        using Create = SoundPlayer *(*)();
        if (const auto create = reinterpret_cast<Create>(module.resolve(Factory))) {
            player.reset(create());
        }
    }
    if (player) {
        player->play(wavPath);
    }
}
