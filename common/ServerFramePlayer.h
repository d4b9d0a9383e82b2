#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

struct xcb_connection_t;

// Plays animations whose frames are all kept on an X server, on a thread of its own: when a
// frame's time comes it copies the next one onto the window and wakes nobody else. A decorative
// animation left playing for hours then costs one short wake-up of this thread a frame, instead
// of a turn of the program's event loop.
//
// The player knows nothing of widgets: whoever hands a loop over takes it back, with stop(),
// before anything else may paint where it plays, and before its pixmaps or window go away.
class ServerFramePlayer
{
public:
    using Clock = std::chrono::steady_clock;

    struct Loop {
        xcb_connection_t *connection = nullptr;
        std::uint32_t window = 0;
        std::uint32_t context = 0; // a graphics context that makes no exposure events
        std::int16_t x = 0;
        std::int16_t y = 0;
        std::uint16_t width = 0;
        std::uint16_t height = 0;
        std::vector<std::uint32_t> pixmaps; // one a frame, all of the same size
        std::vector<int> delays; // milliseconds each frame stays
        int frame = 0; // the frame on show
        Clock::time_point nextDue; // when the frame after it comes
    };

    struct Progress {
        int frame;
        Clock::time_point nextDue;
    };

    static ServerFramePlayer &shared();
    ~ServerFramePlayer();
    ServerFramePlayer(const ServerFramePlayer &) = delete;
    ServerFramePlayer &operator=(const ServerFramePlayer &) = delete;

    // Plays `loop` for `owner` from now on, replacing what it played before.
    void play(const void *owner, Loop loop);
    // Stops the loop of `owner` and says where it was; nothing when it played none. Once it
    // returns, every frame the player showed for it has been written to the connection, so what
    // the caller sends next reaches the server after it.
    std::optional<Progress> stop(const void *owner);
    // The frame on show of the loop of `owner`, while it plays one.
    std::optional<int> frameOf(const void *owner) const;

private:
    ServerFramePlayer() = default;
    void run();
    // Shows the next frame of every loop due by `now`, or due soon enough to share this wake-up.
    void showDue(Clock::time_point now);

    mutable std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::pair<const void *, Loop>> loops;
    std::thread thread;
    bool quitting = false;
};
