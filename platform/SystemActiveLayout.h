#pragma once

#include "ActiveLayout.h"

#include <QString>

// The layout the system types with: on X11 the layout of the keyboard's active XKB group, read
// from the X server; under Wayland, without X or with a layout that is neither Spanish keyboard,
// the locale's country, with the reason logged.
class SystemActiveLayout : public ActiveLayout
{
public:
    // localeName: as QLocale::system() names it ("es_MX"); x11: whether to ask the X server
    // (the program runs on X11) or to go by the locale alone.
    SystemActiveLayout(const QString &localeName, bool x11);
    // The program's own: its locale, and X11 when Qt runs on it.
    static SystemActiveLayout forThisProgram();

    KeyboardMap::Layout activeLayout() const override;

private:
    const QString localeName;
    const bool x11;
};
