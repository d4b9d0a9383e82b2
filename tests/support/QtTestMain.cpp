#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Real widgets, no screen: they paint into memory like on any desktop.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window's place on this machine is kept in the user's settings: the runs keep their own,
    // and leave nobody's behind.
    const QTemporaryDir machineSettings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(machineSettings.path()));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
