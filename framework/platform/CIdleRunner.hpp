#pragma once

#include "framework/platform/IPlatformDriver.hpp"

namespace Corvane::Platform
{
/**
 * Runs a backend's idle handler when its queue runs empty. The work may dispatch messages of its
 * own (a message box opened while painting); that nested loop does not start the work again.
 */
class CIdleRunner
{
public:
    void setHandler(IIdleHandler *handler) { m_handler = handler; }

    void run()
    {
        if (m_handler == nullptr || m_running)
            return;
        m_running = true;
        try
        {
            m_handler->runIdleWork();
        }
        catch (...)
        {
            m_running = false;
            throw;
        }
        m_running = false;
    }

private:
    IIdleHandler *m_handler = nullptr;
    bool m_running = false;
};
} // namespace Corvane::Platform
