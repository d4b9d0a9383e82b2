#pragma once

#include "AppFolder.h"
#include "DrillSequencer.h"
#include "MainWindow.h"
#include "RecordingPlatform.h"
#include "RichTextPane.h"
#include "Typing.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A real typing window over a small exercise tree in a temporary application directory, with
// what the scenarios need to click its controls and type into it.
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
        // What the window leaves for the event loop as it opens (a notice about the history).
        QCoreApplication::sendPostedEvents();
        return *window;
    }

    const MainWindowControls &controls() const
    {
        return window->controls();
    }

    // Resizes the window as a window manager does, and lets it lay itself out.
    void resize(int width, int height)
    {
        window->resize(width, height);
        QApplication::processEvents();
    }

    // Lets the one-shot advance that follows a finished drill happen.
    void advance()
    {
        Typing::deliverLaterCalls();
        ASSERT_TRUE(window->drillSequencer().advanceTimer().isActive());
        window->drillSequencer().moveToNextExercise();
    }

    AppFolder folder;
    RecordingPlatform recording {folder.path()};
    std::unique_ptr<MainWindow> window;
};
