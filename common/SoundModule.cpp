// The sound module's entry point, looked up by ModuleSoundPlayer once the program is up.
#include "QtSoundPlayer.h"

extern "C" Q_DECL_EXPORT SoundPlayer *teclora_createSoundPlayer()
{
    return new QtSoundPlayer;
}
