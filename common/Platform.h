#pragma once

#include <QString>

class Clock;
class Dialogs;
class Launcher;
class SoundPlayer;

// What the windows need from outside the program: the application directory and the platform
// seams. The program hands in the real ones; tests hand in recording doubles.
struct Platform {
    QString appDir;
    SoundPlayer &sound;
    Dialogs &dialogs;
    Clock &clock;
    Launcher &launcher;

    // appDir joined with a path relative to it ("gifs/si.gif").
    QString path(const QString &relative) const
    {
        return appDir + QLatin1Char('/') + relative;
    }
};
