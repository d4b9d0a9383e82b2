#include "AppHomes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{

// A prefix laid out as an installation is: prefix/bin beside prefix/share/teclora.
struct Prefix {
    Prefix()
    {
        QDir(root.path()).mkpath(QStringLiteral("bin"));
    }
    QString bin() const
    {
        return root.filePath(QStringLiteral("bin"));
    }
    QString learners() const
    {
        return root.filePath(QStringLiteral("home/.local/share/Teclora"));
    }
    void shipDataIn(const QString &relative) const
    {
        QDir(root.path()).mkpath(relative + QStringLiteral("/Ejercicios"));
    }
    QTemporaryDir root;
};

} // namespace

TEST(AppHomes, APortableFolderKeepsEverythingBesideTheProgramAnInstalledOneWritesInTheLearnersFolder)
{
    Prefix prefix;
    // Data in both places: the folder beside the binary wins, as a copy on a stick expects.
    prefix.shipDataIn(QStringLiteral("bin"));
    prefix.shipDataIn(QStringLiteral("share/teclora"));
    const AppHomes portable = AppHomes::locate(prefix.bin(), prefix.learners());
    EXPECT_TRUE(portable.hasData());
    EXPECT_TRUE(portable.isPortable());
    EXPECT_EQ(portable.dataDir(), prefix.bin());
    EXPECT_EQ(portable.userDir(), prefix.bin());

    QDir(prefix.bin()).rmdir(QStringLiteral("Ejercicios"));
    const AppHomes installed = AppHomes::locate(prefix.bin() + QStringLiteral("/"), prefix.learners());
    EXPECT_TRUE(installed.hasData());
    EXPECT_FALSE(installed.isPortable());
    EXPECT_EQ(installed.dataDir(), prefix.root.filePath(QStringLiteral("share/teclora")));
    EXPECT_EQ(installed.userDir(), prefix.learners());
    // Nothing is written before the first start; then both folders of learners' files exist.
    EXPECT_FALSE(QFile::exists(prefix.learners()));
    ASSERT_TRUE(installed.prepareUserDir());
    EXPECT_TRUE(QDir(prefix.learners() + QStringLiteral("/Usuarios")).exists());
    EXPECT_TRUE(QDir(prefix.learners() + QStringLiteral("/Claves")).exists());
}

TEST(AppHomes, NoDataAnywhereSaysWhereItLooked)
{
    Prefix prefix;
    // A file called Ejercicios is no exercise tree.
    QFile stray(prefix.bin() + QStringLiteral("/Ejercicios"));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();
    const AppHomes homes = AppHomes::locate(prefix.bin(), prefix.learners());
    EXPECT_FALSE(homes.hasData());
    const QStringList searched {prefix.bin(), prefix.root.filePath(QStringLiteral("share/teclora"))};
    EXPECT_EQ(homes.searched(), searched);
    const QString message = homes.missingDataMessage();
    for (const QString &folder : searched) {
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(folder))) << message.toStdString();
    }
    EXPECT_TRUE(message.contains(QStringLiteral("Ejercicios")));
    // Without data there is no home to write in either.
    EXPECT_TRUE(homes.userDir().isEmpty());
    EXPECT_FALSE(homes.prepareUserDir());
}
