#include "LayoutNames.h"
#include "SystemActiveLayout.h"

#include <gtest/gtest.h>

using Layout = KeyboardMap::Layout;

TEST(LayoutNames, TheActiveGroupsLayoutIsReadFromTheKeymapsSymbols)
{
    const struct {
        const char *symbols;
        int group;
        const char *layout;
    } rows[] = {
        {"pc+es+inet(evdev)", 0, "es"},
        {"pc+latam+inet(evdev)", 0, "latam"},
        {"pc+es+latam:2+inet(evdev)+group(alt_shift_toggle)", 1, "latam"},
        {"pc+us+es(nodeadkeys):2", 1, "es"},
        {"pc+latam(deadtilde)+us:2+level3(ralt_switch)", 0, "latam"},
        {"pc+es+inet(evdev)", 1, ""}, // no second group
        {"", 0, ""},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(LayoutNames::layoutOfGroup(QLatin1String(row.symbols), row.group), QLatin1String(row.layout))
            << row.symbols << " group " << row.group;
    }
    EXPECT_EQ(LayoutNames::fromXkbLayout(QStringLiteral("latam")), Layout::LatinAmerica);
    EXPECT_EQ(LayoutNames::fromXkbLayout(QStringLiteral("es")), Layout::Spain);
    EXPECT_EQ(LayoutNames::fromXkbLayout(QStringLiteral("us")), std::nullopt);
}

TEST(LayoutNames, WithoutX11TheLocalesCountryDecides)
{
    const struct {
        const char *locale;
        Layout layout;
    } rows[] = {
        {"es_ES.UTF-8", Layout::Spain},
        {"es_MX.UTF-8", Layout::LatinAmerica},
        {"es_AR", Layout::LatinAmerica},
        {"es_CO", Layout::LatinAmerica},
        {"es_CL", Layout::LatinAmerica},
        {"es_PE", Layout::LatinAmerica},
        {"es_VE", Layout::LatinAmerica},
        {"es_US", Layout::LatinAmerica},
        {"ca_ES", Layout::Spain}, // not Spanish: Spain's keyboard, the program's first
        {"en_GB", Layout::Spain},
        {"C", Layout::Spain},
        {"", Layout::Spain},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(SystemActiveLayout(QLatin1String(row.locale), false).activeLayout(), row.layout) << row.locale;
    }
}
