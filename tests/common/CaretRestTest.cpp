#include "CaretRest.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

TEST(CaretRest, CaretsRestAfterAQuietSpellBlinkAgainAtTheNextInputAndAreGivenBackAsFound)
{
    const int desktop = QApplication::cursorFlashTime();
    ASSERT_GT(desktop, 0);
    QPlainTextEdit pane;
    pane.show();
    {
        const CaretRest rest(150);
        // A learner who keeps typing keeps the caret blinking.
        for (int key = 0; key < 5; ++key) {
            QTest::qWait(50);
            QTest::keyClick(&pane, Qt::Key_A);
        }
        EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::cursorFlashTime(), 0, 2000);

        QTest::keyClick(&pane, Qt::Key_B);
        EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::cursorFlashTime(), 0, 2000);
        QTest::mouseClick(pane.viewport(), Qt::LeftButton);
        EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::cursorFlashTime(), 0, 2000);
    }
    EXPECT_EQ(QApplication::cursorFlashTime(), desktop);
}
