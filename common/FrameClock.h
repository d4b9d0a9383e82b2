#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QList>
#include <QObject>

// The clock the animations' frames come due by. An animation asks to be woken once its frame's
// delay has passed; animations whose delays differ by a sixth or less share one beat at the mean
// of their delays, so that two animations playing side by side wake the program once a frame
// instead of each on its own. A change of pace that small is one nobody can see.
class FrameClock : public QObject
{
public:
    class Follower
    {
    public:
        virtual void frameDue() = 0;

    protected:
        ~Follower() = default;
    };

    // The clock of the program's widgets.
    static FrameClock &shared();

    // Wakes `follower` once, when a frame shown for `delay` milliseconds has had its time;
    // replaces what it asked before.
    void wake(Follower *follower, int delay);
    void stop(Follower *follower);
    bool waits(const Follower *follower) const;

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    struct Waiting {
        Follower *follower;
        int delay;
        int ticksLeft;
    };
    struct Beat {
        int period;
        qint64 nextTick; // milliseconds since the clock started
        bool ticking = false; // its followers are being woken; the next tick is set afterwards
        QList<Waiting> waiting;
    };

    FrameClock();
    Beat *beatFor(int delay);
    void withdraw(const Follower *follower);
    void setTimer();

    QElapsedTimer sinceStart;
    QBasicTimer timer;
    QList<Beat> beats;
    // The followers woken by the tick being handled; one stopped meanwhile is cleared here.
    QList<Follower *> beingWoken;
};
