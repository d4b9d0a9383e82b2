#include "TypingWindowFixture.h"

#include "ControlsInside.h"

#include <QHash>

namespace
{

QHash<const QWidget *, QRect> placesOf(const MainWindow &window)
{
    QHash<const QWidget *, QRect> places;
    for (const QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        places.insert(child, child->geometry());
    }
    return places;
}

} // namespace

using DesktopFit = TypingWindowFixture;

TEST_F(DesktopFit, AFramedWindowGivesUpOnlyTheFramesHeightAtTheBottomAndAt200PercentTheExerciseIsReadWhole)
{
    folder.write(QStringLiteral("Ejercicios/Castellano/01 Uno/1.txt"), QStringLiteral("Ab\ncd"));
    MainWindow &window = open();
    window.show();
    resize(1920, 1080);
    const QHash<const QWidget *, QRect> frameless = placesOf(window);

    // Maximised under a 32 px panel with a 30 px title bar.
    resize(1920, 1018);
    expectEveryControlInside(window);
    for (auto place = frameless.cbegin(); place != frameless.cend(); ++place) {
        const QRect now = place.key()->geometry();
        const QRect before = place.value();
        SCOPED_TRACE(place.key()->metaObject()->className());
        EXPECT_EQ(now.x(), before.x());
        EXPECT_EQ(now.width(), before.width());
        // Each control either keeps its place or goes up with the bottom edge; what fills the
        // work area gets 62 px lower instead.
        EXPECT_TRUE(now.top() == before.top() || now.top() == before.top() - 62) << now.top() << " " << before.top();
        EXPECT_TRUE(now.height() == before.height() || now.height() == before.height() - 62);
    }
    EXPECT_EQ(controls().exercisePane->height(), frameless.value(controls().exercisePane).height() - 62);
    EXPECT_EQ(controls().accuracyLabel->y(), frameless.value(controls().accuracyLabel).y() - 62);
    EXPECT_EQ(controls().exitButton->geometry(), frameless.value(controls().exitButton));

    // A 1080p screen at 200 %: the current exercise leaves the tool bar and is still read whole.
    resize(960, 540);
    expectEveryControlInside(window);
    EXPECT_GE(controls().exerciseLabel->width(), controls().exerciseLabel->sizeHint().width());
}
