#pragma once

namespace Corvane::Platform
{
/**
 * The quit request once a backend has taken it from its queue. It stays until reset, so that
 * every message loop, nested ones too, ends on it.
 */
class CQuitState
{
public:
    void arrive(int code)
    {
        m_arrived = true;
        m_code = code;
    }
    bool hasArrived() const { return m_arrived; }
    /** The code of the last request that arrived (0 before any). */
    int getCode() const { return m_code; }
    void reset() { m_arrived = false; }

private:
    bool m_arrived = false;
    int m_code = 0;
};
} // namespace Corvane::Platform
