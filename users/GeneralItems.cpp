#include "GeneralItems.h"

namespace GeneralItems
{

namespace
{

QString builtIn(Item item)
{
    switch (item) {
    case UnsafeName:
        return QStringLiteral("Ese nombre no sirve para un usuario. Usa como mucho 64 letras, cifras o espacios, "
                              "sin / \\ : * ? < > | ni comillas, y sin un punto al principio.");
    case DefaultClaveQuestion:
        return QStringLiteral("No has elegido ninguna cifra, así que tu clave será %1. ¿Quieres usarla? "
                              "Pulsa No para elegir otra.");
    default:
        return {};
    }
}

} // namespace

QString text(const QStringList &items, Item item)
{
    const QString given = items.value(item);
    return given.isEmpty() ? builtIn(item) : given;
}

} // namespace GeneralItems
