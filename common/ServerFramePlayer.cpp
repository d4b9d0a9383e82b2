#include "ServerFramePlayer.h"

#include <xcb/xcb.h>

#include <algorithm>

namespace
{

using Milliseconds = std::chrono::milliseconds;

// A frame may come this much of its predecessor's time early, so that two animations whose
// frames fall due close together wake the thread once: a change of pace nobody can see.
constexpr int EarlyBy = 6; // a sixth

// The loop an owner plays, in the player's list of them, whether that list is const or not.
template <typename Loops>
auto findLoop(Loops &loops, const void *owner)
{
    return std::find_if(loops.begin(), loops.end(), [owner](const auto &playing) {
        return playing.first == owner;
    });
}

} // namespace

ServerFramePlayer &ServerFramePlayer::shared()
{
    static ServerFramePlayer player;
    return player;
}

ServerFramePlayer::~ServerFramePlayer()
{
    {
        const std::lock_guard lock(mutex);
        quitting = true;
    }
    changed.notify_all();
    if (thread.joinable()) {
        thread.join();
    }
}

void ServerFramePlayer::play(const void *owner, Loop loop)
{
    {
        const std::lock_guard lock(mutex);
        const auto found = findLoop(loops, owner);
        if (found != loops.end()) {
            found->second = std::move(loop);
        } else {
            loops.emplace_back(owner, std::move(loop));
        }
        if (!thread.joinable()) {
            thread = std::thread(&ServerFramePlayer::run, this);
        }
    }
    changed.notify_all();
}

std::optional<ServerFramePlayer::Progress> ServerFramePlayer::stop(const void *owner)
{
    // The thread holds the lock while it copies and sends a frame: once the lock is ours, nothing
    // of this loop is left unsent. The thread is not woken: it finds the loop gone at its next
    // frame.
    const std::lock_guard lock(mutex);
    const auto found = findLoop(loops, owner);
    if (found == loops.end()) {
        return std::nullopt;
    }
    const Progress progress {found->second.frame, found->second.nextDue};
    loops.erase(found);
    return progress;
}

std::optional<int> ServerFramePlayer::frameOf(const void *owner) const
{
    const std::lock_guard lock(mutex);
    const auto found = findLoop(loops, owner);
    return found != loops.end() ? std::optional<int>(found->second.frame) : std::nullopt;
}

void ServerFramePlayer::run()
{
    std::unique_lock lock(mutex);
    while (!quitting) {
        if (loops.empty()) {
            changed.wait(lock);
            continue;
        }
        const auto next = std::min_element(loops.cbegin(), loops.cend(), [](const auto &one, const auto &other) {
            return one.second.nextDue < other.second.nextDue;
        });
        // A loop handed over meanwhile may come due sooner: look again.
        if (changed.wait_until(lock, next->second.nextDue) == std::cv_status::timeout) {
            showDue(Clock::now());
        }
    }
}

void ServerFramePlayer::showDue(Clock::time_point now)
{
    std::vector<xcb_connection_t *> written;
    for (auto &[owner, loop] : loops) {
        if (loop.nextDue - now > Milliseconds(loop.delays.at(std::size_t(loop.frame))) / EarlyBy) {
            continue;
        }
        loop.frame = (loop.frame + 1) % int(loop.pixmaps.size());
        const Milliseconds stays(loop.delays.at(std::size_t(loop.frame)));
        loop.nextDue += stays;
        // A player that fell behind (a suspended machine) goes on from now.
        if (loop.nextDue < now) {
            loop.nextDue = now + stays;
        }
        xcb_copy_area(loop.connection, loop.pixmaps.at(std::size_t(loop.frame)), loop.window, loop.context, 0, 0,
            loop.x, loop.y, loop.width, loop.height);
        if (std::find(written.cbegin(), written.cend(), loop.connection) == written.cend()) {
            written.push_back(loop.connection);
        }
    }
    for (xcb_connection_t *connection : written) {
        xcb_flush(connection);
    }
}
