#pragma once

#include "AppFolder.h"
#include "MainWindow.h"
#include "RecordingPlatform.h"

#include <QCoreApplication>

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
        // What the window leaves for the event loop as it opens (a notice about the history).
        QCoreApplication::sendPostedEvents();
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
