#pragma once

#include <QString>

class ActiveLayout;
class Clock;
class Dialogs;
class Launcher;
class LearnerStore;
class SoundPlayer;

// What the windows need from outside the program: the two homes of its files and the platform
// seams. The program hands in the real ones; tests hand in recording doubles.
struct Platform {
    // The shipped data: exercises, language files, pictures, sounds. Read only.
    QString appDir;
    // The learners' files: Usuarios, Claves, actual.rtf. The same folder as appDir in a portable
    // copy, the learner's own data folder in an installed one.
    QString userDir;
    SoundPlayer &sound;
    Dialogs &dialogs;
    Clock &clock;
    Launcher &launcher;
    // Where the learners and all they own are kept: the folders of userDir or a class's server.
    LearnerStore &learners;
    // Which keyboard layout the system types with; null where nothing is to be detected.
    const ActiveLayout *activeLayout = nullptr;

    // appDir joined with a path relative to it ("gifs/si.gif").
    QString path(const QString &relative) const
    {
        return appDir + QLatin1Char('/') + relative;
    }
    // userDir joined with a path relative to it ("actual.rtf").
    QString userPath(const QString &relative) const
    {
        return userDir + QLatin1Char('/') + relative;
    }
};
