#pragma once

#include <map>
#include <set>

namespace Corvane::WindowBench
{
/** Which process a window names in _NET_WM_PID: none, the measured program (or one it started), or another. */
enum class ENamedProcess
{
    NONE,
    PROGRAM,
    OTHER
};

/**
 * Tells whether a new top-level window belongs to the program being measured. A window that
 * names its process (_NET_WM_PID) belongs to it when that is the program or a process it
 * started. Many programs (every Xt one, xcalc among them) never name it; then the window's
 * owner shows in its id: the X server hands every connection its own block of ids, so a window
 * whose block belongs to no connection that had windows before the program started (the window
 * manager, this tool, the desktop) was made by the program. That keeps out the frames the
 * window manager wraps around the program's windows and paints on its own.
 */
class CWindowMatcher
{
public:
    /** @p idMask: the bits of a resource id that vary within one connection's block. */
    explicit CWindowMatcher(unsigned long idMask) : m_idMask(idMask)
    {
    }

    /**
     * Records a window that was there before the program started, or this tool's own id block, as
     * belonging to someone else.
     */
    void addForeign(unsigned long id);

    /** Notes that a window recorded by addForeign is gone. */
    void forget(unsigned long id);

    /** Whether window @p id is the program's, knowing which process it names. */
    bool matches(unsigned long id, ENamedProcess named) const;

    /**
     * Whether window @p id is surely not the program's, without asking which process it names:
     * its block still holds a window from before the program started (or is the server's or this
     * tool's), so the block's connection is older than the program. Once all those windows are
     * gone the block may have been handed to a new connection, the program's among them.
     */
    bool isOfAnEarlierConnection(unsigned long id) const;

private:
    unsigned long blockOf(unsigned long id) const
    {
        return id & ~m_idMask;
    }

    unsigned long m_idMask;
    std::set<unsigned long> m_foreignBlocks;
    /** The windows from before the program started that are still there, by block. */
    std::map<unsigned long, std::set<unsigned long>> m_earlierWindows;
};
} // namespace Corvane::WindowBench
