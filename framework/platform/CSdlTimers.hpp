#pragma once

#include <cstdint>
#include <map>

namespace Corvane::Platform
{
/**
 * The SDL backend's running timers. SDL calls a timer back on a thread of its own, so the
 * callback does nothing but push an event carrying the timer's key; the message loop's thread
 * then looks the key up here. A key is never used twice, so an event still queued for a timer
 * that was stopped, restarted or whose window went away finds nothing and is dropped. The
 * callback reads no memory of ours, so it is safe whenever SDL happens to run it.
 */
class CSdlTimers
{
public:
    CSdlTimers() = default;
    CSdlTimers(const CSdlTimers &) = delete;
    CSdlTimers &operator=(const CSdlTimers &) = delete;
    ~CSdlTimers() { stopAll(); }

    /** Starts timer @p id of the window, or restarts it with the new period; false when SDL cannot. */
    bool start(std::uint32_t windowId, long id, long milliseconds);
    void stop(std::uint32_t windowId, long id);
    /** Stops every timer of the window. */
    void stopWindow(std::uint32_t windowId);
    void stopAll();

    /** The window and timer id that @p key belongs to; false when that timer no longer runs. */
    bool find(std::uintptr_t key, std::uint32_t &windowId, long &id) const;
    /** The key of a running timer, or 0. */
    std::uintptr_t getKey(std::uint32_t windowId, long id) const;

private:
    struct STimer
    {
        std::uint32_t windowId;
        long id;
        int sdlTimer;
    };

    void remove(std::map<std::uintptr_t, STimer>::iterator timer);

    std::map<std::uintptr_t, STimer> m_timers;
    std::uintptr_t m_nextKey = 1;
};
} // namespace Corvane::Platform
