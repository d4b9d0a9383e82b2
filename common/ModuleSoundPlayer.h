#pragma once

#include "SoundPlayer.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <future>
#include <memory>

// Plays the sounds through the sound module, so that the program itself does not link the
// multimedia libraries: they are some thirty libraries (audio server, codecs, network) that would
// otherwise be read and relocated before the first window shows, and hold some 4 MB for as long as
// the program runs. The module is read at the first sound, so a learner who makes no mistake never
// pays for it: on a thread of its own, while the key that asked for the sound goes on, and that
// sound plays as soon as the player is made on the windows' thread. A sound that comes while the
// module is being read waits for it. Without the module every sound is the system's beep, and
// standard error says why, once.
class ModuleSoundPlayer : public SoundPlayer
{
public:
    // modulePaths: where the module may lie, tried in order.
    explicit ModuleSoundPlayer(QStringList modulePaths);
    ~ModuleSoundPlayer() override;

    // Where the module lies for a program in programDir: beside it (the build folder, a portable
    // copy) or in lib/teclora/modules of an installed prefix.
    static QStringList pathsFor(const QString &programDir);

    // Whether the module's player plays the sounds (waits for the module if it is being read).
    bool hasModulePlayer();

    void play(const QString &wavPath) override;
    void beep() override;

    // The module's one entry point: a new player, owned by the caller.
    static constexpr const char *Factory = "teclora_createSoundPlayer";

private:
    struct Loaded {
        SoundPlayer *(*create)() = nullptr;
        QString failure;
    };
    static Loaded load(const QStringList &paths);
    // Starts reading the module on a thread of its own.
    void startLoading();
    // Takes the module's player once it is read; reports a failure once.
    void settle();

    QStringList paths;
    // Where the loading thread hands the player's making back to the windows' thread; a call
    // still on its way when this player goes is dropped with it.
    QObject windowsThread;
    std::future<Loaded> loading;
    bool settled = false;
    std::unique_ptr<SoundPlayer> player;
    // The sound that started the reading, played once the module is there.
    QString firstSound;
};
