#include "DrillRules.h"

#include <gtest/gtest.h>

using namespace DrillRules;

TEST(DrillRules, HintsFollowTheKindOfCharacterExpected)
{
    struct Case {
        char16_t expected;
        char16_t typed;
        int hint;
    };
    // The right letter in the wrong case is hint 0; with an acute accent hint 1, also where the
    // case rule would hold, as the accent rule comes later and wins; the blank is no punctuation;
    // '@', code 64, is not below 64.
    const Case cases[] = {{u'A', u'a', 0}, {u'á', u'a', 1}, {u'á', u'Á', 1}, {u'Ó', u'o', 1}, {u'è', u'e', 2},
        {u'Ù', u'u', 2}, {u' ', u'x', 3}, {u'ü', u'u', 4}, {u'Ï', u'i', 4}, {u'5', u'4', 5}, {u',', u'.', 5},
        {u'\r', u'x', 5}, {u'@', u'a', 6}, {u'b', u'v', 6}, {u'ñ', u'n', 6}};
    for (const Case &c : cases) {
        EXPECT_EQ(hintFor(QChar(c.expected), QChar(c.typed)), c.hint)
            << "expected " << QString(QChar(c.expected)).toStdString();
    }
}

TEST(DrillRules, FiguresAreWholeNumbersRoundedDown)
{
    EXPECT_EQ(keystrokesPerMinute(150, 60), 150);
    EXPECT_EQ(keystrokesPerMinute(7, 3), 140);
    EXPECT_EQ(accuracyPercent(50, 5), 90);
    EXPECT_EQ(accuracyPercent(0, 4), 0);
}

TEST(DrillRules, CapsLockIsAWrongCaseThatShiftDoesNotExplain)
{
    struct Case {
        char16_t expected;
        char16_t typed;
        bool shift;
        bool capsLock;
    };
    const Case cases[] = {{u'a', u'A', false, true}, {u'ñ', u'Ñ', false, true}, {u'A', u'a', true, true},
        {u'a', u'A', true, false}, {u'A', u'a', false, false}, {u'a', u'a', false, false}, {u'a', u'S', false, false},
        {u'1', u'!', false, false}};
    for (const Case &c : cases) {
        EXPECT_EQ(capsLockOn(QChar(c.expected), QChar(c.typed), c.shift), c.capsLock)
            << QString(QChar(c.typed)).toStdString() << " for " << QString(QChar(c.expected)).toStdString();
    }
}
