#include "LayoutNames.h"

#include <QLocale>
#include <QStringList>

namespace LayoutNames
{

QString layoutOfGroup(const QString &symbolsName, int group)
{
    // The keymap's symbols are the PC's keys, the group-1 layout, the other groups' layouts marked
    // ":n", and options that are no layouts.
    static const QStringList notLayouts = {QStringLiteral("pc"), QStringLiteral("inet"), QStringLiteral("group"),
        QStringLiteral("level3"), QStringLiteral("level5"), QStringLiteral("ctrl"), QStringLiteral("compose"),
        QStringLiteral("altwin"), QStringLiteral("terminate"), QStringLiteral("capslock"), QStringLiteral("srvr_ctrl"),
        QStringLiteral("keypad"), QStringLiteral("nbsp"), QStringLiteral("eurosign"), QStringLiteral("kpdl"),
        QStringLiteral("shift"), QStringLiteral("lv3"), QStringLiteral("lv5")};
    for (const QString &part : symbolsName.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        const qsizetype colon = part.indexOf(QLatin1Char(':'));
        const int partGroup = colon < 0 ? 0 : part.mid(colon + 1).toInt() - 1;
        const QString file = part.left(colon).section(QLatin1Char('('), 0, 0);
        if (partGroup == group && !notLayouts.contains(file)) {
            return file;
        }
    }
    return {};
}

std::optional<KeyboardMap::Layout> fromXkbLayout(const QString &layout)
{
    if (layout == u"es") {
        return KeyboardMap::Layout::Spain;
    }
    if (layout == u"latam") {
        return KeyboardMap::Layout::LatinAmerica;
    }
    return std::nullopt;
}

std::optional<KeyboardMap::Layout> fromLocale(const QString &localeName)
{
    const QLocale locale(localeName.section(QLatin1Char('.'), 0, 0));
    if (locale.language() != QLocale::Spanish) {
        return std::nullopt;
    }
    switch (locale.territory()) {
    case QLocale::Spain:
    case QLocale::AnyTerritory:
        return KeyboardMap::Layout::Spain;
    case QLocale::EquatorialGuinea:
    case QLocale::Philippines:
        // Spanish-speaking outside the Americas: their shops sell Spain's keyboard.
        return KeyboardMap::Layout::Spain;
    default:
        return KeyboardMap::Layout::LatinAmerica;
    }
}

} // namespace LayoutNames
