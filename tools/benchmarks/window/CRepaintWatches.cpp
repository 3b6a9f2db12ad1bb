#include "tools/benchmarks/window/CRepaintWatches.hpp"

namespace Corvane::WindowBench
{
CRepaintWatches::~CRepaintWatches()
{
    for (Damage damage : m_damages)
        XDamageDestroy(m_session.getDisplay(), damage);
    m_session.flush();
}

void CRepaintWatches::add(Window window)
{
    m_damages.push_back(m_session.watchRepaints(window));
}
} // namespace Corvane::WindowBench
