#include "tools/benchmarks/window/CFirstFrameJudge.hpp"

#include "tools/benchmarks/window/ProcessFigures.hpp"

namespace Corvane::WindowBench
{
bool CFirstFrameJudge::isFirstFrame(const SRepaint &repaint, TTime &painted, pid_t &painter)
{
    if (repaint.area.isEmpty() || (painter = painterOf(repaint.window)) == 0)
        return false;
    const SReadBack picture = m_session.readBack(repaint.window);
    if (picture.contents == EContents::BLANK)
        return false;
    // A window that cannot be read back counts from its first repaint.
    painted = picture.contents == EContents::PAINTED && picture.laterRepaints ? picture.readAt : repaint.receivedAt;
    return true;
}

pid_t CFirstFrameJudge::painterOf(Window window)
{
    // A program names its process, if ever, right after making the window: ask at the window's first repaint.
    auto known = m_painters.find(window);
    if (known != m_painters.end())
        return known->second;
    // The window manager's frames are repainted along with the program's first frame. Asking the
    // busy server which process a frame names would hold up every event behind the answer, the
    // program's first frame among them, and date that frame late by the wait.
    if (m_matcher.isOfAnEarlierConnection(window))
        return m_painters[window] = 0;
    const pid_t pid = m_session.namedPid(window);
    // A program started through a wrapper (a script, strace, perf) names the process the wrapper started.
    const ENamedProcess named = pid == 0                         ? ENamedProcess::NONE
                                : isInFamilyOf(pid, m_program) ? ENamedProcess::PROGRAM
                                                               : ENamedProcess::OTHER;
    const pid_t painter = !m_matcher.matches(window, named) ? 0 : named == ENamedProcess::PROGRAM ? pid : m_program;
    return m_painters[window] = painter;
}
} // namespace Corvane::WindowBench
