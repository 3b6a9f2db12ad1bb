#pragma once

#include "tools/benchmarks/window/CXSession.hpp"

#include <vector>

namespace Corvane::WindowBench
{
/**
 * The windows whose repaints one measurement watches. The watches end with the object, so that
 * no reports pile up once the measurement is done (the server would drop them only with the
 * connection).
 */
class CRepaintWatches
{
public:
    explicit CRepaintWatches(CXSession &session) : m_session(session)
    {
    }
    ~CRepaintWatches();
    CRepaintWatches(const CRepaintWatches &) = delete;
    CRepaintWatches &operator=(const CRepaintWatches &) = delete;

    void add(Window window);

private:
    CXSession &m_session;
    std::vector<Damage> m_damages;
};
} // namespace Corvane::WindowBench
