#include "AppHomes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// An installed program without data, and one in share/teclora, are run from a terminal by the
// command-line test; these are the choices it cannot make.
TEST(AppHomes, DataBesideTheProgramMakesItPortableAndAFileNamedEjerciciosIsNoData)
{
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    const QString learners = prefix.filePath(QStringLiteral("home/.local/share/Teclora"));
    // A file called Ejercicios is no exercise tree.
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    QFile stray(bin + QStringLiteral("/Ejercicios"));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();
    const AppHomes none = AppHomes::locate(bin, learners);
    EXPECT_FALSE(none.hasData());
    EXPECT_TRUE(none.userDir().isEmpty());
    EXPECT_FALSE(none.prepareUserDir());
    EXPECT_TRUE(none.missingDataMessage().contains(QStringLiteral("Ejercicios")));

    // Data in both places: the folder beside the binary wins, as a copy on a stick expects.
    QFile::remove(bin + QStringLiteral("/Ejercicios"));
    QDir(prefix.path()).mkpath(QStringLiteral("bin/Ejercicios"));
    QDir(prefix.path()).mkpath(QStringLiteral("share/teclora/Ejercicios"));
    const AppHomes portable = AppHomes::locate(bin + QStringLiteral("/"), learners);
    EXPECT_TRUE(portable.isPortable());
    EXPECT_EQ(portable.dataDir(), bin);
    EXPECT_EQ(portable.userDir(), bin);
    EXPECT_FALSE(QFile::exists(learners));
}
