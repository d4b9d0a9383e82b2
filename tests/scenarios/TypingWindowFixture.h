#pragma once

#include "AppFolder.h"
#include "MainWindow.h"
#include "RecordingPlatform.h"

#include <gtest/gtest.h>

#include <memory>

// A real typing window over a small exercise tree in a temporary application directory.
class TypingWindowFixture : public ::testing::Test
{
protected:
    TypingWindowFixture()
    {
        folder.writeLanguageFiles(QStringLiteral("Castellano"));
    }

    MainWindow &open(const QString &user = QString())
    {
        window = std::make_unique<MainWindow>(recording.platform, user);
        window->Form_Load();
        return *window;
    }

    const MainWindowControls &controls() const
    {
        return window->controls();
    }

    // Lets the one-shot advance that follows a finished drill happen.
    void advance();

    AppFolder folder;
    RecordingPlatform recording {folder.path()};
    std::unique_ptr<MainWindow> window;
};
