#include "framework/platform/CHeadlessDriver.hpp"

#include <algorithm>
#include <stdexcept>

namespace Corvane::Platform
{
CHeadlessDriver &CHeadlessDriver::install()
{
    selectPlatformDriver("headless");
    return dynamic_cast<CHeadlessDriver &>(getPlatformDriver());
}

CHeadlessDriver::~CHeadlessDriver()
{
    detachWindows();
}

bool CHeadlessDriver::start(std::string &reason)
{
    reason = m_startFailure;
    if (!m_startFailure.empty())
        return false;
    registerPlatformDriverService();
    return true;
}

void CHeadlessDriver::stop()
{
    detachWindows();
    m_queue.clear();
}

std::unique_ptr<IPlatformWindow> CHeadlessDriver::createWindow(const SWindowDescription &description,
                                                               IPlatformWindowHandler &handler, std::string &error)
{
    if (!start(error))
        return nullptr;
    auto window = std::make_unique<CHeadlessWindow>(*this, m_nextId++, description, handler);
    m_windows.push_back(window.get());
    return window;
}

EDispatch CHeadlessDriver::dispatchMessage(bool wait)
{
    while (!m_quit.hasArrived())
    {
        if (m_queue.empty())
        {
            m_idle.run(); // it may post
            if (m_queue.empty())
                break;
        }
        // Taken off before the handler runs: it may dispatch in a loop of its own, or post.
        const SQueued next = std::move(m_queue.front());
        m_queue.pop_front();
        if (next.windowId == 0)
            m_quit.arrive(next.quitCode);
        else if (CHeadlessWindow *window = findById(next.windowId); window != nullptr && window->receive(next.message))
            return EDispatch::DISPATCHED;
    }
    if (m_quit.hasArrived())
        return EDispatch::QUIT;
    if (wait)
        throw std::logic_error("The headless message queue is empty and nothing will ever arrive: post a message "
                               "or the quit request before waiting");
    return EDispatch::EMPTY;
}

void CHeadlessDriver::postQuit(int code)
{
    SQueued quit;
    quit.quitCode = code;
    m_queue.push_back(std::move(quit));
}

void CHeadlessDriver::resetQuit()
{
    m_quit.reset();
    m_queue.erase(std::remove_if(m_queue.begin(), m_queue.end(), [](const SQueued &queued)
                                 { return queued.windowId == 0; }),
                  m_queue.end());
}

bool CHeadlessDriver::getPointerPosition(SPoint &position) const
{
    position = m_pointer;
    return true;
}

bool CHeadlessDriver::getClipboardText(std::string &text) const
{
    text = m_clipboard;
    return !text.empty();
}

bool CHeadlessDriver::setClipboardText(const std::string &text)
{
    m_clipboard = text;
    return true;
}

bool CHeadlessDriver::getScreenArea(const SPoint &, SArea &area) const
{
    area = m_screen;
    return true;
}

CHeadlessWindow *CHeadlessDriver::findWindow(const std::string &title) const
{
    const auto found = std::find_if(m_windows.rbegin(), m_windows.rend(), [&title](const CHeadlessWindow *window)
                                    { return window->getTitle() == title; });
    return found == m_windows.rend() ? nullptr : *found;
}

CHeadlessWindow &CHeadlessDriver::getRecord(const IPlatformWindow &window) const
{
    const auto found = std::find(m_windows.begin(), m_windows.end(), &window);
    if (found == m_windows.end())
        throw std::invalid_argument("Not an open window of this headless backend");
    return **found;
}

void CHeadlessDriver::post(const IPlatformWindow &window, const SPlatformMessage &message)
{
    SQueued queued;
    queued.windowId = getRecord(window).getId();
    queued.message = message;
    m_queue.push_back(std::move(queued));
}

bool CHeadlessDriver::deliver(const IPlatformWindow &window, const SPlatformMessage &message)
{
    return getRecord(window).receive(message);
}

bool CHeadlessDriver::fireTimer(const IPlatformWindow &window, long id)
{
    CHeadlessWindow &record = getRecord(window);
    if (!record.isTimerRunning(id))
        return false;
    SPlatformMessage timer;
    timer.kind = EMessageKind::TIMER;
    timer.timerId = id;
    return record.receive(timer);
}

CHeadlessWindow *CHeadlessDriver::findById(std::uint32_t id) const
{
    const auto found = std::find_if(m_windows.begin(), m_windows.end(), [id](const CHeadlessWindow *window)
                                    { return window->getId() == id; });
    return found == m_windows.end() ? nullptr : *found;
}

void CHeadlessDriver::forget(CHeadlessWindow &window)
{
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), &window), m_windows.end());
    if (m_capturedId == window.getId())
        m_capturedId = 0;
    if (m_foregroundId == window.getId())
        m_foregroundId = 0;
}

void CHeadlessDriver::detachWindows()
{
    for (CHeadlessWindow *window : m_windows)
        window->detach();
    m_windows.clear();
    m_capturedId = 0;
    m_foregroundId = 0;
}
} // namespace Corvane::Platform
