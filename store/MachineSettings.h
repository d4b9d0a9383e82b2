#pragma once

#include "SettingsStorage.h"

#include <QByteArray>
#include <QString>

// What belongs to the computer rather than to a learner, for organisation and application
// "Teclora" in QSettings' usual places: the user's ~/.config/Teclora/Teclora.conf, then the
// system's /etc/xdg/Teclora/Teclora.conf, where a lab's administrator names the class server.
class MachineSettings
{
public:
    MachineSettings();

    // What QWidget::saveGeometry gave for the typing window; empty when none was kept.
    QByteArray windowGeometry() const
    {
        return storage.load(GeometryKey, QByteArray());
    }
    void setWindowGeometry(const QByteArray &geometry)
    {
        storage.store(GeometryKey, geometry);
    }
    // The class server's address, from "servidor" in "[aula]"; empty when there is none.
    QString classServer() const
    {
        return storage.load(QStringLiteral("aula/servidor"), QString()).trimmed();
    }

    // Writes what changed, to the user's file; false when it could not be written.
    bool sync()
    {
        return storage.sync();
    }

private:
    static inline const QString GeometryKey = QStringLiteral("ventana/geometria");

    SettingsStorage storage;
};
