#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// What a finished drill sends to the class server while the server cannot be reached: kept in a
// file on this PC, rewritten whole or not at all at every change, until the server has taken it.
class ServerQueue
{
public:
    struct Item {
        // Made on this PC; the server keeps an item once whatever the times it is sent.
        QString id;
        // The learner's name as the server keeps it: the item goes with their next session.
        QString learner;
        enum class Kind { HistoryPiece, Drill, Exam } kind = Kind::Drill;
        QJsonObject body;
    };

    // The queue kept in path, read at once. A file that is no queue is set aside beside it (with
    // ".ilegible" appended), never written over.
    explicit ServerQueue(const QString &path);

    const QList<Item> &items() const
    {
        return queued;
    }
    // Adds item at the end; false, the queue left as it was, when the file could not be written.
    bool add(const Item &item);
    // Takes the item with this id off the queue; false when the file could not be written.
    bool remove(const QString &id);

private:
    bool write(const QList<Item> &items);

    QString path;
    QList<Item> queued;
};
