#include "FrameClock.h"

#include <QTimerEvent>

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace
{

// Delays closer than this share a beat: 60 and 70 ms share one of 65 ms, 50 and 65 do not.
constexpr int ShareWithin = 6; // a sixth of the beat's period

} // namespace

FrameClock::FrameClock()
{
    sinceStart.start();
}

FrameClock &FrameClock::shared()
{
    static FrameClock clock;
    return clock;
}

void FrameClock::wake(Follower *follower, int delay)
{
    withdraw(follower);
    delay = std::max(delay, 1);
    const qint64 now = sinceStart.elapsed();
    Beat *beat = beatFor(delay);
    if (beat == nullptr) {
        beats.append(Beat {delay, now + delay, false, {}});
        beat = &beats.last();
    }
    // A follower woken by this very beat waits for its next tick; one joining between ticks
    // waits for the first tick that does not cut its frame short by more than half a beat.
    int ticksLeft = 1;
    if (!beat->ticking) {
        while (beat->nextTick + qint64(ticksLeft - 1) * beat->period < now + delay - beat->period / 2) {
            ++ticksLeft;
        }
    }
    beat->waiting.append(Waiting {follower, delay, ticksLeft});
    const int sum
        = std::accumulate(beat->waiting.cbegin(), beat->waiting.cend(), 0, [](int total, const Waiting &waiting) {
              return total + waiting.delay;
          });
    beat->period = sum / int(beat->waiting.size());
    if (!beat->ticking) {
        setTimer();
    }
}

void FrameClock::stop(Follower *follower)
{
    withdraw(follower);
    std::replace(beingWoken.begin(), beingWoken.end(), follower, static_cast<Follower *>(nullptr));
    setTimer();
}

bool FrameClock::waits(const Follower *follower) const
{
    return std::any_of(beats.cbegin(), beats.cend(), [follower](const Beat &beat) {
        return std::any_of(beat.waiting.cbegin(), beat.waiting.cend(), [follower](const Waiting &waiting) {
            return waiting.follower == follower;
        });
    });
}

FrameClock::Beat *FrameClock::beatFor(int delay)
{
    Beat *closest = nullptr;
    for (Beat &beat : beats) {
        const int apart = std::abs(delay - beat.period);
        if (apart * ShareWithin <= beat.period && (closest == nullptr || apart < std::abs(delay - closest->period))) {
            closest = &beat;
        }
    }
    return closest;
}

void FrameClock::withdraw(const Follower *follower)
{
    for (Beat &beat : beats) {
        beat.waiting.removeIf([follower](const Waiting &waiting) {
            return waiting.follower == follower;
        });
    }
    // A beat being handled is kept for the followers it wakes to join again.
    beats.removeIf([](const Beat &beat) {
        return beat.waiting.isEmpty() && !beat.ticking;
    });
}

void FrameClock::setTimer()
{
    if (beats.isEmpty()) {
        timer.stop();
        return;
    }
    const auto next = std::min_element(beats.cbegin(), beats.cend(), [](const Beat &one, const Beat &other) {
        return one.nextTick < other.nextTick;
    });
    const qint64 wait = std::max<qint64>(0, next->nextTick - sinceStart.elapsed());
    timer.start(int(wait), Qt::PreciseTimer, this);
}

void FrameClock::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != timer.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    const qint64 now = sinceStart.elapsed();
    beingWoken.clear();
    for (Beat &beat : beats) {
        if (beat.nextTick > now) {
            continue;
        }
        beat.ticking = true;
        for (Waiting &waiting : beat.waiting) {
            if (--waiting.ticksLeft == 0) {
                beingWoken.append(waiting.follower);
            }
        }
        beat.waiting.removeIf([](const Waiting &waiting) {
            return waiting.ticksLeft == 0;
        });
    }
    for (qsizetype i = 0; i < beingWoken.size(); ++i) {
        if (Follower *follower = beingWoken.at(i)) {
            follower->frameDue();
        }
    }
    beingWoken.clear();
    for (Beat &beat : beats) {
        if (beat.ticking) {
            beat.ticking = false;
            // A clock that fell behind (a suspended machine) starts again from now.
            beat.nextTick = std::max(beat.nextTick + beat.period, now + 1);
        }
    }
    beats.removeIf([](const Beat &beat) {
        return beat.waiting.isEmpty();
    });
    setTimer();
}
