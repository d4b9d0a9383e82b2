#pragma once

#include <QString>

// Opens a file in the desktop's program for it (the rich-text editor for the report).
class Launcher
{
public:
    virtual ~Launcher() = default;
    // False when no program could be started for it.
    virtual bool open(const QString &path) = 0;
};
