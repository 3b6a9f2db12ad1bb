#pragma once

#include "tools/benchmarks/window/CWindowMatcher.hpp"
#include "tools/benchmarks/window/CXSession.hpp"

#include <map>

namespace Corvane::WindowBench
{
/**
 * Picks the program's first frame out of the reported repaints: the first repaint after which a
 * window of the program shows more than one colour. The server itself fills a window's
 * background when the window appears, and DAMAGE reports that like any drawing, though the
 * program has drawn nothing yet. So each repaint of a program window is followed by reading the
 * window back, until it shows something. When repaints that the picture may already show were
 * queued by then, the frame counts from the picture's arrival: a frame is never dated before it
 * was drawn, and at most one read-back late.
 */
class CFirstFrameJudge
{
public:
    CFirstFrameJudge(const CXSession &session, const CWindowMatcher &matcher, pid_t program)
        : m_session(session), m_matcher(matcher), m_program(program)
    {
    }

    /** Whether @p repaint completes the first frame; then @p painted says when and @p painter which process drew it. */
    bool isFirstFrame(const SRepaint &repaint, TTime &painted, pid_t &painter);

private:
    /** The process that draws into @p window: the program or one it started; 0 for someone else's window. */
    pid_t painterOf(Window window);

    const CXSession &m_session;
    const CWindowMatcher &m_matcher;
    pid_t m_program;
    std::map<Window, pid_t> m_painters;
};
} // namespace Corvane::WindowBench
