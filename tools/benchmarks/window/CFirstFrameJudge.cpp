#include "tools/benchmarks/window/CFirstFrameJudge.hpp"

namespace Corvane::WindowBench
{
bool CFirstFrameJudge::isFirstFrame(const SRepaint &repaint, TTime &painted)
{
    if (repaint.area.isEmpty() || !isProgramWindow(repaint.window))
        return false;
    const SReadBack picture = m_session.readBack(repaint.window);
    if (picture.contents == EContents::BLANK)
        return false;
    // A window that cannot be read back counts from its first repaint.
    painted = picture.contents == EContents::PAINTED && picture.laterRepaints ? picture.readAt : repaint.receivedAt;
    return true;
}

bool CFirstFrameJudge::isProgramWindow(Window window)
{
    // A program names its process, if ever, right after making the window: ask at the window's first repaint.
    auto known = m_isProgramWindow.find(window);
    if (known == m_isProgramWindow.end())
        known = m_isProgramWindow.emplace(window, m_matcher.matches(window, m_session.namedPid(window))).first;
    return known->second;
}
} // namespace Corvane::WindowBench
