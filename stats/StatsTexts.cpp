#include "StatsTexts.h"

#include "LanguageFiles.h"

#include <algorithm>

namespace StatsTexts
{

QStringList builtIn()
{
    return {
        QStringLiteral("Mi progreso"),
        QStringLiteral("Teclora - Mi progreso"),
        QStringLiteral("Pulsaciones por minuto y precisión de cada ejercicio terminado"),
        QStringLiteral("p/m"),
        QStringLiteral("Precisión %"),
        QStringLiteral("Mejor"),
        QStringLiteral("Media"),
        QStringLiteral("Todavía no has terminado ningún ejercicio."),
        QStringLiteral("Lecciones practicadas"),
        QStringLiteral("Lección"),
        QStringLiteral("Ejercicios"),
        QStringLiteral("Mejor p/m"),
        QStringLiteral("Media p/m"),
        QStringLiteral("Precisión media"),
        QStringLiteral("Teclas con más errores"),
        QStringLiteral("Tecla"),
        QStringLiteral("Pulsada"),
        QStringLiteral("Errores"),
        QStringLiteral("Pulsaste en su lugar"),
        QStringLiteral("Mapa de errores"),
        QStringLiteral("Pocos errores"),
        QStringLiteral("Muchos errores"),
        QStringLiteral("Sin datos"),
        QStringLiteral("Practicar mis teclas débiles"),
        QStringLiteral("Exportar (CSV)"),
        QStringLiteral("Cerrar"),
        QStringLiteral("Repaso"),
        QStringLiteral("Todavía no hay datos suficientes para saber cuáles son tus teclas débiles: cada tecla "
                       "tiene que haberse pulsado al menos 20 veces. ¿Quieres practicar la primera lección?"),
        QStringLiteral("No se pueden guardar tus estadísticas. Puedes seguir practicando; tu historial no se "
                       "ve afectado."),
        QStringLiteral("Estadísticas exportadas en la carpeta:"),
        QStringLiteral("No se han podido exportar las estadísticas."),
        QStringLiteral("mayúscula"),
        QStringLiteral("falta la tilde"),
        QStringLiteral("falta el acento grave"),
        QStringLiteral("espacio"),
        QStringLiteral("falta la diéresis"),
        QStringLiteral("signo"),
        QStringLiteral("otra tecla"),
        QStringLiteral("Espacio"),
        QStringLiteral("Intro"),
    };
}

QStringList load(const QString &appDir)
{
    QStringList texts = LanguageFiles::generalItems(appDir, FirstItem, ItemCount);
    const QStringList spanish = builtIn();
    for (int i = 0; i < ItemCount; ++i) {
        if (texts.value(i).isEmpty()) {
            texts[i] = spanish.at(i);
        }
    }
    return texts;
}

QString characterName(const QStringList &texts, QChar character)
{
    if (character == QLatin1Char(' ')) {
        return texts.value(SpaceKey);
    }
    if (character == QLatin1Char('\r')) {
        return texts.value(EnterKey);
    }
    return QString(character);
}

QString kindName(const QStringList &texts, int kind)
{
    return texts.value(KindCase + std::clamp(kind, 0, KindOther - KindCase));
}

} // namespace StatsTexts
