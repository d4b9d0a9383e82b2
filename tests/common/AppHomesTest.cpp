#include "AppHomes.h"
#include "AppFolder.h"

#include <QFile>

#include <gtest/gtest.h>

// An installed program without data, and one in share/teclora, are run from a terminal by the
// command-line test; these are the choices it cannot make.
TEST(AppHomes, DataBesideTheProgramMakesItPortableAndAFileNamedEjerciciosIsNoData)
{
    AppFolder prefix;
    const QString bin = prefix.path() + QStringLiteral("/bin");
    const QString learners = prefix.path() + QStringLiteral("/home/.local/share/Teclora");
    // A file called Ejercicios is no exercise tree.
    prefix.writeBytes(QStringLiteral("bin/Ejercicios"), "stray");
    const AppHomes none = AppHomes::locate(bin, learners);
    EXPECT_FALSE(none.hasData());
    EXPECT_TRUE(none.userDir().isEmpty());
    EXPECT_FALSE(none.prepareUserDir());
    EXPECT_TRUE(none.missingDataMessage().contains(QStringLiteral("Ejercicios")));

    // Data in both places: the folder beside the binary wins, as a copy on a stick expects.
    QFile::remove(bin + QStringLiteral("/Ejercicios"));
    prefix.makeFolder(QStringLiteral("bin/Ejercicios"));
    prefix.makeFolder(QStringLiteral("share/teclora/Ejercicios"));
    const AppHomes portable = AppHomes::locate(bin + QStringLiteral("/"), learners);
    EXPECT_TRUE(portable.isPortable());
    EXPECT_EQ(portable.dataDir(), bin);
    EXPECT_EQ(portable.userDir(), bin);
    EXPECT_FALSE(QFile::exists(learners));
}
