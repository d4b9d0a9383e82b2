#include "SpokenKeys.h"

#include <gtest/gtest.h>

TEST(SpokenKeys, SaysTheCharacterItsFingerAndAWrongKey)
{
    const struct {
        bool wrong;
        QChar next;
        int finger;
        const char16_t *said;
    } rows[] = {
        {false, u'a', 5, u"a, meñique izquierdo"},
        {false, u'ñ', 0, u"ñ, meñique derecho"},
        {false, u'J', 3, u"J mayúscula, índice derecho"},
        {false, u'Ñ', 0, u"Ñ mayúscula, meñique derecho"},
        {false, u' ', -1, u"espacio, pulgar"},
        {false, u'\r', 0, u"Intro, meñique derecho"},
        {true, u',', 2, u"fallo, coma, corazón derecho"},
        {true, u'¿', SpokenKeys::NoFinger, u"fallo, abrir interrogación"},
        {false, u'7', 10, u"7"},
        {false, u'e', 7, u"e, corazón izquierdo"},
        {false, u'g', 8, u"g, índice izquierdo"},
        {false, u'o', 1, u"o, anular derecho"},
        {false, u'x', 6, u"x, anular izquierdo"},
        {false, u'b', 9, u"b, pulgar"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(SpokenKeys::afterKey(row.wrong, row.next, row.finger), QString::fromUtf16(row.said))
            << QString::fromUtf16(row.said).toStdString();
    }
}
