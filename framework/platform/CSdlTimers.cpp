#include "framework/platform/CSdlTimers.hpp"

#include "framework/io/Log.hpp"
#include "framework/platform/SdlEventTranslation.hpp"

#include <algorithm>
#include <limits>

namespace Corvane::Platform
{
namespace
{
/** Runs on SDL's timer thread: it may only push the event. */
Uint32 pushTimerEvent(Uint32 interval, void *key)
{
    SDL_Event event{};
    event.type = getUserEventBase() + USER_EVENT_TIMER;
    event.user.data1 = key;
    SDL_PushEvent(&event);
    return interval;
}

Uint32 toInterval(long milliseconds)
{
    // SDL takes a period of 0 as "stop"; the shortest period a desktop timer runs at is 1 ms.
    constexpr long LONGEST = std::numeric_limits<Uint32>::max();
    return static_cast<Uint32>(std::clamp(milliseconds, 1L, LONGEST));
}
} // namespace

bool CSdlTimers::start(std::uint32_t windowId, long id, long milliseconds)
{
    stop(windowId, id);
    getUserEventBase(); // registered here, on this thread, before the callback can ask for it
    const std::uintptr_t key = m_nextKey++;
    const SDL_TimerID sdlTimer = SDL_AddTimer(toInterval(milliseconds), pushTimerEvent, reinterpret_cast<void *>(key));
    if (sdlTimer == 0)
    {
        IO::logMessage("Timer %li cannot start: %s", id, SDL_GetError());
        return false;
    }
    m_timers.emplace(key, STimer{windowId, id, sdlTimer});
    return true;
}

void CSdlTimers::stop(std::uint32_t windowId, long id)
{
    if (const std::uintptr_t key = getKey(windowId, id))
        remove(m_timers.find(key));
}

void CSdlTimers::stopWindow(std::uint32_t windowId)
{
    for (auto timer = m_timers.begin(); timer != m_timers.end();)
        if (timer->second.windowId == windowId)
            remove(timer++);
        else
            ++timer;
}

void CSdlTimers::stopAll()
{
    while (!m_timers.empty())
        remove(m_timers.begin());
}

bool CSdlTimers::find(std::uintptr_t key, std::uint32_t &windowId, long &id) const
{
    const auto timer = m_timers.find(key);
    if (timer == m_timers.end())
        return false;
    windowId = timer->second.windowId;
    id = timer->second.id;
    return true;
}

std::uintptr_t CSdlTimers::getKey(std::uint32_t windowId, long id) const
{
    for (const auto &[key, timer] : m_timers)
        if (timer.windowId == windowId && timer.id == id)
            return key;
    return 0;
}

void CSdlTimers::remove(std::map<std::uintptr_t, STimer>::iterator timer)
{
    SDL_RemoveTimer(timer->second.sdlTimer);
    m_timers.erase(timer);
}
} // namespace Corvane::Platform
