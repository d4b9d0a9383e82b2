#include "WeakKeys.h"
#include "AppFolder.h"
#include "CourseWords.h"
#include "Cp1252.h"
#include "KeyErrorRates.h"
#include "KeyTally.h"
#include "StatsCsv.h"
#include "WeakKeyExercise.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <vector>

TEST(WeakKeys, AreTheHighestErrorRatesAmongCharactersTypedOftenEnough)
{
    const QList<KeyCount> totals = {
        {u'a', 90, 10}, // 10 %
        {u'b', 10, 9}, // typed 19 times: too few to judge
        {u'c', 15, 5}, // 25 %
        {u'd', 30, 10}, // 25 %, more errors than c
        {u' ', 10, 90}, // in every line anyway
        {u'\r', 10, 90}, {u'e', 100, 0}, {u'ñ', 16, 4}, // 20 %
        {u'f', 80, 20}, // 20 %, more errors than ñ
    };
    EXPECT_EQ(WeakKeys::choose(totals), (QList<QChar> {u'd', u'c', u'f', u'ñ', u'a'}));
    EXPECT_EQ(WeakKeys::choose(totals.mid(0, 3)), (QList<QChar> {u'c', u'a'}));
    EXPECT_TRUE(WeakKeys::choose({}).isEmpty());
    // Only the characters a course has words for can be practised with it.
    const QList<KeyCount> english = WeakKeys::foundIn(totals, {QStringLiteral("cafe"), QStringLiteral("bad")});
    EXPECT_EQ(WeakKeys::choose(english), (QList<QChar> {u'd', u'c', u'f', u'a', u'e'}));
}

// The kinds of mistakes and the counts of one drill are checked through the typing window; these
// are what one drill there cannot show.
TEST(KeyTally, StartsAfreshForEachDrillAndCountsCharactersOutsideLatin1)
{
    KeyTally tally;
    tally.wrong(u's', u'S');
    tally.clear();
    tally.wrong(u'€', QChar(0x20AD));
    tally.right(u's');
    const QList<KeyCount> keys = tally.keys();
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(std::tuple(keys[0].character, keys[0].right, keys[0].wrong), std::tuple(QChar(u's'), 1, 0));
    EXPECT_EQ(std::tuple(keys[1].character, keys[1].right, keys[1].wrong), std::tuple(QChar(u'€'), 0, 1));
    EXPECT_EQ(tally.mistakes().size(), 1);
}

// Only the lessons of words, sentences and texts give words, and only what is letters in them.
TEST(CourseWords, AreTheLettersOfTheWordLessonsWithoutTheirPunctuation)
{
    AppFolder folder;
    folder.write(QStringLiteral("Castellano/01 Fila central/1.txt"), QStringLiteral("asdf fdsa\nla lasaña asada"));
    folder.write(QStringLiteral("Castellano/16 Palabras/1.txt"), QStringLiteral("casa, perro ladra año"));
    folder.write(QStringLiteral("Castellano/17 Frases/1.txt"),
        QStringLiteral("¿Qué pasó? Ñandú, cigüeña y pingüino.\nGuardé el documento como informe_final."));
    folder.write(QStringLiteral("Castellano/17 Frases/2.txt"), QStringLiteral("zorro veloz\tcomía kiwi casa"));
    folder.write(QStringLiteral("Castellano/19 Textos largos/1.txt"),
        QStringLiteral("«Sí», dijo. l'est dir-dir 3 gatos 50% ¡Alça!\r\n"));
    EXPECT_EQ(CourseWords::read(folder.path() + QStringLiteral("/Castellano")),
        QStringLiteral("casa perro ladra año Qué pasó Ñandú cigüeña pingüino Guardé el documento como zorro veloz "
                       "comía kiwi Sí dijo gatos Alça")
            .split(u' '));

    // The shipped courses, in every language.
    for (const QString &language :
        QDir(QStringLiteral(TECLORA_DATA_DIR "/Ejercicios")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QStringList words = CourseWords::read(QStringLiteral(TECLORA_DATA_DIR "/Ejercicios/") + language);
        EXPECT_GT(words.size(), 100) << qPrintable(language);
        for (const QString &word : words) {
            EXPECT_TRUE(std::all_of(word.cbegin(), word.cend(),
                            [](QChar c) {
                                return c.isLetter();
                            })
                && word.size() >= 2)
                << qPrintable(language + u' ' + word);
        }
        for (const char *drill : {"asdf", "fdsa", "jklñ", "qwert", "eded"}) {
            EXPECT_FALSE(words.contains(QString::fromUtf8(drill))) << qPrintable(language) << ' ' << drill;
        }
    }
}

TEST(WeakKeyExercise, IsSixLinesOfCourseWordsHoldingTheWeakCharacters)
{
    const QStringList words = QStringLiteral("casa perro ladra Qué pasó Ñandú cigüeña pingüino zorro veloz comía "
                                             "kiwi")
                                  .split(u' ');

    const QList<QChar> weakest = {u'ü', u'z', u'k', u'Ñ', u'ó'};
    const QString text = WeakKeyExercise::build(words, weakest);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), WeakKeyExercise::LineCount);
    for (const QString &line : lines) {
        EXPECT_LE(line.size(), WeakKeyExercise::LineLength);
        EXPECT_FALSE(line.isEmpty());
        for (const QString &word : line.split(u' ')) {
            EXPECT_TRUE(words.contains(word)) << qPrintable(word);
            EXPECT_TRUE(std::any_of(weakest.begin(), weakest.end(), [&](QChar c) {
                return word.contains(c);
            })) << qPrintable(word);
        }
    }
    for (const QChar weak : weakest) {
        EXPECT_TRUE(text.contains(weak)) << qPrintable(QString(weak));
    }
    EXPECT_EQ(Cp1252::decode(Cp1252::encode(text)), text);
    EXPECT_NE(WeakKeyExercise::build(words, weakest, 1), text);
    EXPECT_TRUE(WeakKeyExercise::build(words, {u'x', u'j'}).isEmpty());
    // A course with one short word still fills the lines, and a word too long for a line is left out.
    const QString single = WeakKeyExercise::build({QStringLiteral("zas"), QString(70, u'z')}, {u'z'});
    EXPECT_EQ(single.split(QStringLiteral("\r\n")).size(), WeakKeyExercise::LineCount);
    EXPECT_FALSE(single.contains(QString(70, u'z')));
}

TEST(KeyErrorRates, CountAccentsOnTheDeadKeysAndCapitalsOnShift)
{
    const struct {
        QChar character;
        QList<int> keys;
    } rows[] = {{u'a', {13}}, {u'q', {0}}, {u'A', {13, KeyboardLayout::ShiftKey}}, {u'á', {13, 23}},
        {u'É', {2, 23, KeyboardLayout::ShiftKey}}, {u'è', {2, 10}}, {u'ü', {6, 23, KeyboardLayout::ShiftKey}},
        {u'ñ', {22}}, {u'Ç', {24, KeyboardLayout::ShiftKey}}, {u';', {32, KeyboardLayout::ShiftKey}},
        {u' ', {KeyboardLayout::SpaceBar}}, {u'\r', {KeyboardLayout::EnterKey}}, {u'7', {44}},
        {u'@', {39, KeyboardKeys::AltGrKey}}, {u'¿', {49, KeyboardLayout::ShiftKey}},
        {u'€', {2, KeyboardKeys::AltGrKey}}};
    for (const auto &row : rows) {
        // Compared as vectors: Qt 6.4 compares two empty lists with a null pointer.
        const QList<int> keys = KeyErrorRates::keysFor(row.character);
        EXPECT_EQ(std::vector<int>(keys.cbegin(), keys.cend()), std::vector<int>(row.keys.cbegin(), row.keys.cend()))
            << qPrintable(QString(row.character));
    }
    const KeyErrorRates::Rates rates = KeyErrorRates::perKey({{u'a', 8, 2}, {u'á', 10, 10}});
    EXPECT_EQ(rates[13].typed, 30);
    EXPECT_EQ(rates[13].wrong, 12);
    EXPECT_DOUBLE_EQ(rates[23].rate(), 0.5);
    EXPECT_EQ(rates[1].typed, 0);
    EXPECT_EQ(KeyErrorRates::tint(KeyErrorRates::ScaleTop), KeyErrorRates::tint(0.9));
    EXPECT_GT(KeyErrorRates::tint(0).green(), KeyErrorRates::tint(0).red());
}

TEST(StatsCsv, QuotesWhatWouldBreakARowAndKeepsFormulasAsText)
{
    EXPECT_EQ(StatsCsv::line({QStringLiteral("a"), QStringLiteral("12"), QStringLiteral("-5")}),
        QStringLiteral("a;12;-5\r\n"));
    EXPECT_EQ(StatsCsv::line({QStringLiteral("x;y"), QStringLiteral("say \"hi\"")}),
        QStringLiteral("\"x;y\";\"say \"\"hi\"\"\"\r\n"));
    EXPECT_EQ(StatsCsv::line({QStringLiteral("=SUM(A1)"), QStringLiteral("-"), QStringLiteral("@")}),
        QStringLiteral("'=SUM(A1);'-;'@\r\n"));
}
