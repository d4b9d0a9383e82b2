#include "SpokenKeys.h"

#include <iterator>

namespace SpokenKeys
{

namespace
{

// Marks a synthesiser may pass over in silence, said by their names.
const struct {
    char16_t mark;
    const char16_t *name;
} MarkNames[] = {
    {u' ', u"espacio"},
    {u'\r', u"Intro"},
    {u',', u"coma"},
    {u'.', u"punto"},
    {u';', u"punto y coma"},
    {u':', u"dos puntos"},
    {u'-', u"guion"},
    {u'¿', u"abrir interrogación"},
    {u'?', u"cerrar interrogación"},
    {u'¡', u"abrir exclamación"},
    {u'!', u"cerrar exclamación"},
    {u'"', u"comillas"},
    {u'\'', u"apóstrofo"},
    {u'(', u"abrir paréntesis"},
    {u')', u"cerrar paréntesis"},
};

const char16_t *const FingerNames[] = {u"meñique derecho", u"anular derecho", u"corazón derecho", u"índice derecho",
    u"pulgar", u"meñique izquierdo", u"anular izquierdo", u"corazón izquierdo", u"índice izquierdo", u"pulgar"};

} // namespace

QString character(QChar character)
{
    for (const auto &mark : MarkNames) {
        if (character == QChar(mark.mark)) {
            return QString::fromUtf16(mark.name);
        }
    }
    if (character.isUpper()) {
        return QString(character) + QStringLiteral(" mayúscula");
    }
    return QString(character);
}

QString finger(int finger)
{
    if (finger == -1) {
        return QStringLiteral("pulgar");
    }
    if (finger < 0 || finger >= int(std::size(FingerNames))) {
        return QString();
    }
    return QString::fromUtf16(FingerNames[finger]);
}

QString afterKey(bool wrong, QChar next, int fingerNumber)
{
    QString said = wrong ? QStringLiteral("fallo, ") : QString();
    said += character(next);
    const QString fingerName = finger(fingerNumber);
    if (!fingerName.isEmpty()) {
        said += QStringLiteral(", ") + fingerName;
    }
    return said;
}

} // namespace SpokenKeys
