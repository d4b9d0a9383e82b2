#pragma once

#include <QStringList>
#include <QtGlobal>

// The warnings the program writes on standard error (those that start with "Teclora:") while it
// lives; Qt's own are left to the previous handler.
class WarningLog
{
public:
    WarningLog()
        : previous(qInstallMessageHandler(record))
    {
        said().clear();
    }
    ~WarningLog()
    {
        qInstallMessageHandler(previous);
    }
    static QStringList &said()
    {
        static QStringList warnings;
        return warnings;
    }

private:
    static void record(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (type == QtWarningMsg && message.startsWith(QStringLiteral("Teclora:"))) {
            said().append(message);
        }
    }
    const QtMessageHandler previous;
};
