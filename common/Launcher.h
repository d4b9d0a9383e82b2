#pragma once

#include <QString>

// Opens a file in the desktop's program for it (the rich-text editor for the report).
class Launcher
{
public:
    virtual ~Launcher() = default;
    // Whether a program will open it: false when the desktop has none for its type or none
    // could be started.
    virtual bool open(const QString &path) = 0;
};
