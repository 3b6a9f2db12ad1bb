#include "framework/gui/windows/CMouse.hpp"

#include "framework/gui/windows/CCursor.hpp"
#include "framework/gui/windows/CWindow.hpp"

namespace Corvane::GUI::Windows
{
namespace
{
/** The platform lets one window of the process hold the capture at a time. */
CWindow *capturingWindow = nullptr;
} // namespace

CMouse::CMouse() : m_cursor(CCursor::getPredefinedCursor(CCursor::ARROW)) {}

void CMouse::setCursor(CCursor *cursor)
{
    if (cursor == nullptr)
        return;
    m_cursor = cursor;
    m_cursor->show();
}

void CMouse::captureMouse(IWindow *window)
{
    auto *platformWindow = dynamic_cast<CWindow *>(window);
    if (platformWindow == nullptr || !platformWindow->capturePlatformMouse(true))
        return;
    if (capturingWindow != nullptr && capturingWindow != platformWindow)
        capturingWindow->capturePlatformMouse(false);
    capturingWindow = platformWindow;
}

void CMouse::releaseMouse()
{
    if (capturingWindow != nullptr)
        capturingWindow->capturePlatformMouse(false);
    capturingWindow = nullptr;
}

bool CMouse::isMouseCaptured()
{
    return capturingWindow != nullptr;
}

bool CMouse::isCapturedBy(const IWindow *window) const
{
    return window != nullptr && capturingWindow == window;
}

void CMouse::forgetWindow(const CWindow *window)
{
    if (capturingWindow == window)
        capturingWindow = nullptr;
}
} // namespace Corvane::GUI::Windows
