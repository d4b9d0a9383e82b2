#pragma once

#include "Launcher.h"

class DesktopLauncher : public Launcher
{
public:
    void open(const QString &path) override;
};
