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
    case ServerAway:
        return QStringLiteral("No se puede conectar con el servidor del aula. Comprueba la red o avisa al "
                              "profesor. ¿Quieres seguir sin registrarte?");
    case ClaveWait:
        return QStringLiteral("Demasiadas claves equivocadas seguidas. Espera %1 segundos antes de volver a "
                              "intentarlo.");
    case ServerAwayDuringSession:
        return QStringLiteral("El servidor del aula no responde. Tus ejercicios se guardan en este ordenador y "
                              "se enviarán al servidor en cuanto vuelva.");
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
