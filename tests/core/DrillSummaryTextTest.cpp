#include "DrillSummaryText.h"

#include <gtest/gtest.h>

using DrillSummaryText::Miss;

TEST(DrillSummaryText, ListsTheFiguresAndTheMostFrequentMissesFirst)
{
    const auto m = [](char16_t expected, char16_t typed) {
        return Miss {QChar(expected), QChar(typed)};
    };
    const struct {
        DrillSummaryText::Figures figures;
        QList<Miss> misses;
        const char16_t *line;
    } rows[] = {
        {{180, 100, 0}, {}, u"Resultado: 180 p/m, 100 % de precisión, sin errores."},
        {{95, 97, 1}, {m(u' ', u'\r')}, u"Resultado: 95 p/m, 97 % de precisión, 1 error. Fallos: espacio→Intro"},
        {{60, -20, 4}, {m(u'ñ', u'l'), m(u'a', u's'), m(u'ñ', u'l'), m(u'a', u's'), m(u'a', u's')},
            u"Resultado: 60 p/m, -20 % de precisión, 4 errores. Fallos: a→s ×3, ñ→l ×2"},
        {{10, 50, 5}, {m(u'a', u'1'), m(u'b', u'2'), m(u'c', u'3'), m(u'd', u'4'), m(u'e', u'5')},
            u"Resultado: 10 p/m, 50 % de precisión, 5 errores. Fallos: a→1, b→2, c→3, d→4, …"},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(DrillSummaryText::compose(row.figures, row.misses), QString::fromUtf16(row.line));
    }
    EXPECT_EQ(DrillSummaryText::join(QStringLiteral("N"), QStringLiteral("R")), QStringLiteral("N. R"));
    EXPECT_EQ(DrillSummaryText::join(QString(), QStringLiteral("R")), QStringLiteral("R"));
}
