#include "ModuleSoundPlayer.h"
#include "AppFolder.h"
#include "WarningLog.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
// The notes the program writes on standard error while the sounds play.
QStringList notesWhilePlaying(SoundPlayer &player, const QString &wavPath)
{
    const WarningLog log;
    for (int key = 0; key < 3; ++key) {
        player.play(wavPath);
    }
    return WarningLog::said();
}
} // namespace

// The build folder keeps the module beside the program, an installed prefix in lib/teclora/modules; in
// both the sounds reach the module's player: it plays them, or says once that there is no sound
// device, which only the module's player knows.
TEST(ModuleSoundPlayer, FindsTheModuleBesideTheProgramOrInstalledAndPlaysThroughIt)
{
    const QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("lib/teclora/modules")));
    ASSERT_TRUE(QFile::copy(
        QStringLiteral(TECLORA_SOUND_MODULE), prefix.filePath(QStringLiteral("lib/teclora/modules/teclora-sound.so"))));
    const QString wav = QStringLiteral(TECLORA_DATA_DIR "/fallo.wav");
    for (const QString &programDir :
        {QFileInfo(QStringLiteral(TECLORA_SOUND_MODULE)).path(), prefix.filePath(QStringLiteral("bin"))}) {
        ModuleSoundPlayer player(ModuleSoundPlayer::pathsFor(programDir));
        ASSERT_TRUE(player.hasModulePlayer()) << qPrintable(programDir);
        const QStringList said = notesWhilePlaying(player, wav);
        if (QMediaDevices::audioOutputs().isEmpty()) {
            ASSERT_EQ(said.size(), 1) << qPrintable(said.join(u'\n'));
            EXPECT_TRUE(said.first().contains(QStringLiteral("no sound device"))) << qPrintable(said.first());
        } else {
            EXPECT_TRUE(said.isEmpty()) << qPrintable(said.join(u'\n'));
        }
    }
}

// A module that is missing or is not the sound module leaves the beep, said once, not per key,
// the sound that started the reading included; asked for without a sound, the module is read at once.
TEST(ModuleSoundPlayer, WithoutTheModuleEverySoundIsTheBeepSaidOnce)
{
    const AppFolder folder;
    folder.writeBytes(QStringLiteral("teclora-sound.so"), "not a library");
    for (const QString &programDir : {QString(folder.path() + QStringLiteral("/nowhere")), folder.path()}) {
        ModuleSoundPlayer player(ModuleSoundPlayer::pathsFor(programDir));
        const QStringList said = notesWhilePlaying(player, folder.path() + QStringLiteral("/fallo.wav"));
        ASSERT_EQ(said.size(), 1) << qPrintable(said.join(u'\n'));
        EXPECT_TRUE(said.first().contains(QStringLiteral("sound module"))) << qPrintable(said.first());
        EXPECT_FALSE(player.hasModulePlayer());
    }
    ModuleSoundPlayer unasked(ModuleSoundPlayer::pathsFor(QFileInfo(QStringLiteral(TECLORA_SOUND_MODULE)).path()));
    EXPECT_TRUE(unasked.hasModulePlayer());
}
