#include "SystemActiveLayout.h"

#include "LayoutNames.h"
#include "XkbActiveGroup.h"

#include <QGuiApplication>
#include <QLocale>

SystemActiveLayout::SystemActiveLayout(const QString &localeName, bool x11)
    : localeName(localeName)
    , x11(x11)
{
}

SystemActiveLayout SystemActiveLayout::forThisProgram()
{
    return SystemActiveLayout(QLocale::system().name(), QGuiApplication::platformName() == u"xcb");
}

KeyboardMap::Layout SystemActiveLayout::activeLayout() const
{
    QString reason = QStringLiteral("the program does not run on X11");
    if (x11) {
        const XkbActiveGroup::Result group = XkbActiveGroup::read();
        const auto fromX = LayoutNames::fromXkbLayout(group.layout);
        if (fromX) {
            return *fromX;
        }
        reason = group.error.isEmpty()
            ? QStringLiteral("the X server's layout \"%1\" is neither Spanish keyboard").arg(group.layout)
            : group.error;
    }
    const KeyboardMap::Layout layout = LayoutNames::fromLocale(localeName).value_or(KeyboardMap::Layout::Spain);
    qCInfo(keyboardLog, "Keyboard layout taken from the locale %s, as %s: %s", qUtf8Printable(localeName),
        qUtf8Printable(reason), layout == KeyboardMap::Layout::Spain ? "Spain's" : "Latin America's");
    return layout;
}
