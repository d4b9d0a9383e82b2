#include "FrameClock.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace
{

// An animation of one delay that plays on and notes when each frame came due.
class Player : public FrameClock::Follower
{
public:
    Player(const QElapsedTimer &since, int delay)
        : since(since)
        , delay(delay)
    {
    }
    ~Player()
    {
        FrameClock::shared().stop(this);
    }
    void play()
    {
        FrameClock::shared().wake(this, delay);
    }
    void frameDue() override
    {
        woken.append(since.elapsed());
        if (onFrame) {
            onFrame();
        }
        play();
    }
    bool wokenWith(qint64 moment) const
    {
        return std::any_of(woken.cbegin(), woken.cend(), [moment](qint64 at) {
            return qAbs(at - moment) <= 1;
        });
    }

    const QElapsedTimer &since;
    const int delay;
    QList<qint64> woken;
    std::function<void()> onFrame;
};

} // namespace

TEST(FrameClock, NearPacesShareOneBeatAtTheirMeanAndFarOnesKeepTheirOwn)
{
    QElapsedTimer since;
    since.start();
    Player line(since, 60);
    Player wave(since, 70);
    Player reaction(since, 50);
    line.play();
    QTest::qWait(25);
    wave.play();
    reaction.play();
    QTest::qWait(1000);

    // The line and the wave come due together, once they have met, at about 65 ms a frame.
    ASSERT_GE(line.woken.size(), 12);
    const QList<qint64> lineAfterMeeting = line.woken.mid(2);
    for (qint64 moment : lineAfterMeeting) {
        EXPECT_TRUE(wave.wokenWith(moment)) << "the line's frame at " << moment << " ms woke alone";
    }
    const double pace = double(line.woken.last() - line.woken.at(2)) / double(line.woken.size() - 3);
    EXPECT_NEAR(pace, 65.0, 3.5);
    // The reaction's 50 ms frames are too far from 65 to share: they keep their own pace.
    EXPECT_GE(reaction.woken.size(), 15);
    EXPECT_LT(std::count_if(reaction.woken.cbegin(), reaction.woken.cend(),
                  [&line](qint64 moment) {
                      return line.wokenWith(moment);
                  }),
        reaction.woken.size() / 2);
}

TEST(FrameClock, AStoppedFollowerIsNotWokenEvenByTheTickBeingHandled)
{
    QElapsedTimer since;
    since.start();
    Player first(since, 40);
    Player second(since, 40);
    first.play();
    second.play();
    // Whichever is woken first stops the other, which the same tick would have woken next.
    first.onFrame = [&second] {
        FrameClock::shared().stop(&second);
    };
    second.onFrame = [&first] {
        FrameClock::shared().stop(&first);
    };
    QTest::qWait(200);
    EXPECT_TRUE(first.woken.isEmpty() != second.woken.isEmpty());
    const Player &stopped = first.woken.isEmpty() ? first : second;
    EXPECT_FALSE(FrameClock::shared().waits(&stopped));
}
