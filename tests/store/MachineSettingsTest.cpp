#include "MachineSettings.h"

#include "AppFolder.h"

#include <gtest/gtest.h>

// The class server comes from the administrator's file unless the user's own names one; the
// window's place is the user's, and the administrator's file is never written.
TEST(MachineSettings, ReadsTheClassServerAndKeepsTheWindowInTheUsersFile)
{
    const struct {
        const char *system, *user, *server;
    } rows[] = {
        {"[aula]\nservidor = aula.example.org \n", nullptr, "aula.example.org"},
        {"[aula]\nservidor=aula\n", "[aula]\nservidor=casa\n", "casa"},
        {"[aula]\nservidor=a, b\n", nullptr, ""},
        {"[aula\nservidor=aula\n\xff\n", nullptr, "aula"},
        {nullptr, nullptr, ""},
    };
    for (const auto &row : rows) {
        AppFolder folder;
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, folder.path() + QStringLiteral("/etc"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path() + QStringLiteral("/home"));
        const QString systemFile = QStringLiteral("etc/Teclora/Teclora.conf");
        const QString userFile = QStringLiteral("home/Teclora/Teclora.conf");
        if (row.system) {
            folder.writeBytes(systemFile, row.system);
        }
        if (row.user) {
            folder.writeBytes(userFile, row.user);
        }
        MachineSettings machine;
        EXPECT_EQ(machine.classServer(), QString::fromUtf8(row.server)) << row.system;
        EXPECT_TRUE(machine.windowGeometry().isEmpty());
        const QByteArray geometry("\x01\xd9\xd0\xcb\0\x03=\n[x]", 11);
        machine.setWindowGeometry(geometry);
        EXPECT_TRUE(machine.sync());
        EXPECT_EQ(MachineSettings().windowGeometry(), geometry);
        EXPECT_EQ(folder.read(systemFile), QByteArray(row.system));
        EXPECT_TRUE(folder.read(userFile).contains("@ByteArray("));
    }
}
