#pragma once

#include "Dialogs.h"
#include "FolderLearnerStore.h"
#include "Launcher.h"
#include "Platform.h"
#include "ScriptedClock.h"
#include "SoundPlayer.h"

#include <QStringList>

// Doubles for the platform's edges: they record what the program asked of them.
class RecordingSound : public SoundPlayer
{
public:
    void play(const QString &wavPath) override
    {
        played.append(wavPath.section(QLatin1Char('/'), -1));
    }
    void beep() override
    {
        played.append(QStringLiteral("beep"));
    }
    QStringList played;
};

class RecordingDialogs : public Dialogs
{
public:
    void inform(const QString &text) override
    {
        informOver(nullptr, text);
    }
    void informOver(QWidget *window, const QString &text) override
    {
        messages.append(text);
        lastOwner = window;
    }
    bool askYesNo(const QString &text) override
    {
        questions.append(text);
        return answer;
    }
    QStringList messages;
    // The window the last message was given to; null for the window in front.
    QWidget *lastOwner = nullptr;
    QStringList questions;
    bool answer = true;
};

class RecordingLauncher : public Launcher
{
public:
    bool open(const QString &path) override
    {
        opened.append(path);
        return starts;
    }
    QStringList opened;
    bool starts = true;
};

// All four doubles and the Platform that hands them to the program, with the learners in the
// folders of the learners' home. One folder serves as both homes, as in a portable copy, unless
// the learners' files are given a folder of their own.
struct RecordingPlatform {
    explicit RecordingPlatform(const QString &appDir, const QString &userDir = QString())
        : folders(userDir.isEmpty() ? appDir : userDir)
        , platform {appDir, userDir.isEmpty() ? appDir : userDir, sound, dialogs, clock, launcher, folders}
    {
    }
    RecordingSound sound;
    RecordingDialogs dialogs;
    ScriptedClock clock;
    RecordingLauncher launcher;
    FolderLearnerStore folders;
    Platform platform;
};
