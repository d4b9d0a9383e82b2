#include "ModuleSoundPlayer.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>

#include <utility>

ModuleSoundPlayer::ModuleSoundPlayer(QStringList modulePaths)
    : paths(std::move(modulePaths))
{
}

// The module stays loaded until the program ends: its player is deleted here, while its code is
// still there, and nothing unloads it.
ModuleSoundPlayer::~ModuleSoundPlayer() = default;

QStringList ModuleSoundPlayer::pathsFor(const QString &programDir)
{
    return {QDir::cleanPath(programDir + QStringLiteral("/teclora-sound.so")),
        QDir::cleanPath(programDir + QStringLiteral("/../lib/teclora/modules/teclora-sound.so"))};
}

ModuleSoundPlayer::Loaded ModuleSoundPlayer::load(const QStringList &paths)
{
    QStringList failures;
    for (const QString &path : paths) {
        QLibrary module(path);
        if (!module.load()) {
            failures.append(module.errorString());
            continue;
        }
        if (const auto create = reinterpret_cast<SoundPlayer *(*)()>(module.resolve(Factory))) {
            return {create, {}};
        }
        failures.append(module.errorString());
    }
    return {nullptr, failures.join(QStringLiteral("; "))};
}

void ModuleSoundPlayer::startLoading()
{
    loading = std::async(std::launch::async, [this, paths = paths] {
        Loaded loaded = load(paths);
        QMetaObject::invokeMethod(
            &windowsThread,
            [this] {
                settle();
            },
            Qt::QueuedConnection);
        return loaded;
    });
}

void ModuleSoundPlayer::settle()
{
    if (settled) {
        return;
    }
    settled = true;
    const Loaded loaded = loading.valid() ? loading.get() : load(paths);
    if (loaded.create) {
        // The player is made here, on the windows' thread, where its sound objects live.
        player.reset(loaded.create());
    } else {
        qWarning("Teclora: the sound module could not be loaded (%s); the error and end sounds are "
                 "the system's beep.",
            qPrintable(loaded.failure));
    }
    if (!firstSound.isEmpty()) {
        play(std::exchange(firstSound, QString()));
    }
}

bool ModuleSoundPlayer::hasModulePlayer()
{
    settle();
    return player != nullptr;
}

void ModuleSoundPlayer::play(const QString &wavPath)
{
    if (!settled && !loading.valid()) {
        firstSound = wavPath;
        startLoading();
        return;
    }
    if (hasModulePlayer()) {
        player->play(wavPath);
    } else {
        beep();
    }
}

// The beep needs no module: the sign-in window's warning sounds from the first moment.
void ModuleSoundPlayer::beep()
{
    QApplication::beep();
}
