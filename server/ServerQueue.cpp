#include "ServerQueue.h"

#include "SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <iterator>
#include <optional>

namespace
{

const QString KindNames[] = {QStringLiteral("historia"), QStringLiteral("ejercicio"), QStringLiteral("examen")};

QString nameOf(ServerQueue::Item::Kind kind)
{
    return KindNames[static_cast<int>(kind)];
}

std::optional<ServerQueue::Item::Kind> kindNamed(const QString &name)
{
    for (int kind = 0; kind < static_cast<int>(std::size(KindNames)); ++kind) {
        if (KindNames[kind] == name) {
            return static_cast<ServerQueue::Item::Kind>(kind);
        }
    }
    return std::nullopt;
}

} // namespace

ServerQueue::ServerQueue(const QString &path)
    : path(path)
{
    if (!SafeFile::isTaken(path)) {
        return;
    }
    bool readable = false;
    const QByteArray content = SafeFile::read(path, &readable);
    const QJsonDocument document = QJsonDocument::fromJson(content);
    bool whole = readable && document.isArray();
    for (const QJsonValue &value : document.array()) {
        const QJsonObject object = value.toObject();
        const std::optional<Item::Kind> kind = kindNamed(object.value(QStringLiteral("tipo")).toString());
        Item item {object.value(QStringLiteral("id")).toString(), object.value(QStringLiteral("alumno")).toString(),
            kind.value_or(Item::Kind::Drill), object.value(QStringLiteral("datos")).toObject()};
        whole = whole && kind && !item.id.isEmpty() && !item.learner.isEmpty();
        queued.append(item);
    }
    if (!whole) {
        // What cannot be read may still be worth something to whoever looks at it.
        queued.clear();
        QFile::rename(path, path + QStringLiteral(".ilegible"));
    }
}

bool ServerQueue::add(const Item &item)
{
    QList<Item> longer = queued;
    longer.append(item);
    if (!write(longer)) {
        return false;
    }
    queued = longer;
    return true;
}

bool ServerQueue::remove(const QString &id)
{
    QList<Item> shorter = queued;
    shorter.removeIf([&id](const Item &item) {
        return item.id == id;
    });
    if (!write(shorter)) {
        return false;
    }
    queued = shorter;
    return true;
}

bool ServerQueue::write(const QList<Item> &items)
{
    if (items.isEmpty()) {
        return !QFile::exists(path) || QFile::remove(path);
    }
    QJsonArray array;
    for (const Item &item : items) {
        array.append(QJsonObject {{QStringLiteral("id"), item.id}, {QStringLiteral("alumno"), item.learner},
            {QStringLiteral("tipo"), nameOf(item.kind)}, {QStringLiteral("datos"), item.body}});
    }
    return QDir().mkpath(QFileInfo(path).absolutePath())
        && SafeFile::write(path, QJsonDocument(array).toJson(QJsonDocument::Compact));
}
