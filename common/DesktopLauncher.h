#pragma once

#include "Launcher.h"

class DesktopLauncher : public Launcher
{
public:
    bool open(const QString &path) override;
};
