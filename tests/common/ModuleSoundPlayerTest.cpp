#include "ModuleSoundPlayer.h"

#include <QLibrary>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The multimedia libraries come in with the sound module, at the first sound and not before.
TEST(ModuleSoundPlayer, LoadsTheModuleAtTheFirstSound)
{
    QLibrary module(QStringLiteral(TECLORA_SOUND_MODULE));
    ASSERT_FALSE(module.isLoaded());
    ModuleSoundPlayer player(QStringLiteral(TECLORA_SOUND_MODULE));
    EXPECT_FALSE(module.isLoaded());
    player.play(QStringLiteral("/nowhere/fallo.wav"));
    EXPECT_TRUE(module.isLoaded());
    player.play(QStringLiteral("/nowhere/fallo.wav"));
}

TEST(ModuleSoundPlayer, WithoutTheModuleTheProgramIsSilent)
{
    const QTemporaryDir folder;
    ModuleSoundPlayer player(folder.filePath(QStringLiteral("teclora_sound.so")));
    player.play(folder.filePath(QStringLiteral("fallo.wav")));
    player.play(folder.filePath(QStringLiteral("fallo.wav")));
}
