#include "framework/platform/CSdlDriver.hpp"

#include "framework/io/Log.hpp"
#include "framework/platform/CSdlWindow.hpp"
#include "framework/platform/SdlEventTranslation.hpp"
#include "framework/platform/SdlX11.hpp"
#include "framework/platform/VideoSubsystem.hpp"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>

namespace Corvane::Platform
{
namespace
{
// In the order of EStockCursor.
constexpr SDL_SystemCursor SYSTEM_CURSORS[] = {
    SDL_SYSTEM_CURSOR_ARROW,  SDL_SYSTEM_CURSOR_HAND,  SDL_SYSTEM_CURSOR_WAIT,     SDL_SYSTEM_CURSOR_SIZENS,
    SDL_SYSTEM_CURSOR_SIZEWE, SDL_SYSTEM_CURSOR_IBEAM, SDL_SYSTEM_CURSOR_SIZENWSE, SDL_SYSTEM_CURSOR_SIZEALL};

Uint32 windowFlags(const SWindowStyle &style)
{
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (style.popupMenu)
        flags |= SDL_WINDOW_POPUP_MENU | SDL_WINDOW_BORDERLESS | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
    if (style.resizable)
        flags |= SDL_WINDOW_RESIZABLE;
    return flags;
}

/** SDL hands over the texts of drop events: they are freed whatever becomes of the event. */
class CDropDataRelease
{
public:
    explicit CDropDataRelease(const SDL_Event &event) : m_event(event) {}
    CDropDataRelease(const CDropDataRelease &) = delete;
    CDropDataRelease &operator=(const CDropDataRelease &) = delete;
    ~CDropDataRelease()
    {
        if (m_event.type == SDL_DROPFILE || m_event.type == SDL_DROPTEXT)
            SDL_free(m_event.drop.file);
    }

private:
    const SDL_Event &m_event;
};

/** The pointer's position relative to @p window's client area, in device pixels. */
SPoint pointerInWindow(SDL_Window *window)
{
    SPoint pointer;
    SDL_GetGlobalMouseState(&pointer.x, &pointer.y);
    SPoint origin;
    SDL_GetWindowPosition(window, &origin.x, &origin.y);
    return SPoint{pointer.x - origin.x, pointer.y - origin.y};
}
} // namespace

CSdlDriver::~CSdlDriver()
{
    stop();
}

bool CSdlDriver::ensureRunning() const
{
    if (m_state != EState::STOPPED)
        return m_state == EState::RUNNING;
    if (!startVideo())
    {
        m_failure = std::string("No display can be reached: ") + SDL_GetError();
        m_state = EState::FAILED;
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_TIMER) != 0)
    {
        m_failure = std::string("SDL's timers cannot start: ") + SDL_GetError();
        IO::logMessage("%s", m_failure.c_str());
        stopVideo();
        m_state = EState::FAILED;
        return false;
    }
    // Some SDL versions switch text input on at start: it is the text fields' to switch on.
    SDL_StopTextInput();
    SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
    SDL_EventState(SDL_DROPTEXT, SDL_DISABLE);
    getUserEventBase();
    m_state = EState::RUNNING;
    registerPlatformDriverService();
    return true;
}

void CSdlDriver::prepare()
{
    startEvents();
}

bool CSdlDriver::start(std::string &reason)
{
    const bool running = ensureRunning();
    reason = running ? std::string() : m_failure;
    return running;
}

void CSdlDriver::stop()
{
    while (!m_windows.empty())
        m_windows.begin()->second->detach();
    m_timers.stopAll();
    // When the video subsystem was stopped first (at exit, say), SDL freed the cursors with it.
    const bool cursorsAlive = isVideoRunning();
    for (SDL_Cursor *&cursor : m_cursors)
    {
        if (cursor != nullptr && cursorsAlive)
            SDL_FreeCursor(cursor);
        cursor = nullptr;
    }
    m_drops = CDropCollector();
    m_capturedId = 0;
    if (m_state == EState::RUNNING)
    {
        SDL_QuitSubSystem(SDL_INIT_TIMER);
        stopVideo();
    }
    m_state = EState::STOPPED;
}

std::unique_ptr<IPlatformWindow> CSdlDriver::createWindow(const SWindowDescription &description,
                                                          IPlatformWindowHandler &handler, std::string &error)
{
    if (!start(error))
        return nullptr;
    const SWindowStyle style = describeStyle(description.style, description.extendedStyle);
    const SArea area = getScale().toDevice(description.area);
    SDL_Window *window = SDL_CreateWindow(description.title.c_str(), area.x, area.y, std::max(1, area.width),
                                          std::max(1, area.height), windowFlags(style));
    if (window == nullptr)
    {
        error = SDL_GetError();
        return nullptr;
    }
    setX11WindowClass(window, description.className);
    auto made = std::make_unique<CSdlWindow>(*this, window, style, handler);
    m_windows[made->getId()] = made.get();
    return made;
}

EDispatch CSdlDriver::dispatchMessage(bool wait)
{
    if (m_quit.hasArrived())
        return EDispatch::QUIT;
    if (!ensureRunning())
    {
        if (wait)
            throw std::runtime_error(m_failure + ": no message will ever arrive");
        return EDispatch::EMPTY;
    }
    SDL_Event event;
    for (;;)
    {
        if (!SDL_PollEvent(&event))
        {
            m_idle.run();
            if (m_quit.hasArrived())
                return EDispatch::QUIT; // a loop inside the idle work took the quit request
            if (!wait && !SDL_PollEvent(&event))
                return EDispatch::EMPTY;
            if (wait && !SDL_WaitEvent(&event))
                throw std::runtime_error(std::string("Waiting for the next event failed: ") + SDL_GetError());
        }
        if (handleEvent(event))
            return EDispatch::DISPATCHED;
        if (m_quit.hasArrived())
            return EDispatch::QUIT;
    }
}

void CSdlDriver::postQuit(int code)
{
    SDL_Event quit{};
    quit.type = getUserEventBase() + USER_EVENT_QUIT;
    quit.user.code = code;
    // Without a running queue nothing waits ahead of the request: it is taken at once.
    if (!ensureRunning() || SDL_PushEvent(&quit) != 1)
        m_quit.arrive(code);
}

void CSdlDriver::resetQuit()
{
    m_quit.reset();
    if (m_state == EState::RUNNING)
        SDL_FlushEvent(getUserEventBase() + USER_EVENT_QUIT);
}

void CSdlDriver::setCursor(EStockCursor cursor)
{
    const auto shape = static_cast<std::size_t>(cursor);
    if (shape >= m_cursors.size() || !ensureRunning())
        return;
    SDL_Cursor *&made = m_cursors[shape];
    if (made == nullptr)
        made = SDL_CreateSystemCursor(SYSTEM_CURSORS[shape]);
    if (made != nullptr)
        SDL_SetCursor(made);
}

void CSdlDriver::showCursor(bool show)
{
    if (ensureRunning())
        SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool CSdlDriver::getPointerPosition(SPoint &position) const
{
    if (!ensureRunning())
        return false;
    SPoint device;
    SDL_GetGlobalMouseState(&device.x, &device.y);
    position = getScale().toLogical(device);
    return true;
}

SModifiers CSdlDriver::getModifiers() const
{
    return translateModifiers(static_cast<std::uint16_t>(SDL_GetModState()));
}

bool CSdlDriver::getClipboardText(std::string &text) const
{
    text.clear();
    if (!ensureRunning() || !SDL_HasClipboardText())
        return false;
    char *held = SDL_GetClipboardText();
    if (held == nullptr)
        return false;
    text = held;
    SDL_free(held);
    return !text.empty();
}

bool CSdlDriver::setClipboardText(const std::string &text)
{
    return ensureRunning() && SDL_SetClipboardText(text.c_str()) == 0;
}

bool CSdlDriver::getScreenArea(const SPoint &point, SArea &area) const
{
    if (!ensureRunning())
        return false;
    const SPoint device = getScale().toDevice(point);
    const SDL_Point wanted{device.x, device.y};
    int holding = 0; // the primary display unless another holds the point
    for (int display = SDL_GetNumVideoDisplays() - 1; display >= 0; --display)
    {
        SDL_Rect bounds;
        if (SDL_GetDisplayBounds(display, &bounds) == 0 && SDL_PointInRect(&wanted, &bounds))
            holding = display;
    }
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(holding, &usable) != 0)
        return false;
    area = getScale().toLogical(SArea{usable.x, usable.y, usable.w, usable.h});
    return true;
}

void CSdlDriver::beep()
{
    if (!m_windows.empty())
        ringX11Bell(m_windows.begin()->second->getSdlWindow());
}

std::uintptr_t CSdlDriver::getTimerKey(const CSdlWindow &window, long id) const
{
    return m_timers.getKey(window.getId(), id);
}

bool CSdlDriver::handleEvent(const SDL_Event &event)
{
    const CDropDataRelease release(event);
    // SDL turns SIGTERM and SIGINT into this: the program is asked to end, as a session's logout
    // or a `kill` asks, and ends its message loop as when its main window closes.
    if (event.type == SDL_QUIT)
    {
        postQuit(0);
        return false;
    }
    STranslationContext context;
    context.scale = getScale();
    context.modifierState = static_cast<std::uint16_t>(SDL_GetModState());
    context.userEventBase = getUserEventBase();
    STranslation translation;
    return translateEvent(event, context, translation) && handleTranslation(translation);
}

bool CSdlDriver::handleTranslation(STranslation &translation)
{
    switch (translation.kind)
    {
    case ETranslated::MESSAGE:
        return deliver(translation.windowId, translation.message);
    case ETranslated::TIMER:
        return deliverTimer(translation.timerKey);
    case ETranslated::QUIT:
        m_quit.arrive(translation.quitCode);
        return false;
    case ETranslated::DROP_BEGIN:
        m_drops.begin(translation.windowId);
        return false;
    case ETranslated::DROP_FILE:
        m_drops.addFile(translation.windowId, translation.message.paths.front());
        return false;
    case ETranslated::DROP_COMPLETE:
        return deliverDrop(translation.windowId);
    }
    return false;
}

bool CSdlDriver::deliver(std::uint32_t windowId, SPlatformMessage &message)
{
    CSdlWindow *window = findWindow(windowId);
    if (window == nullptr)
        return false; // the window is gone
    if (message.kind == EMessageKind::EXPOSED)
    {
        SSize size;
        window->getClientSize(size);
        message.area = SArea{0, 0, size.width, size.height};
    }
    return window->receive(message);
}

bool CSdlDriver::deliverTimer(std::uintptr_t key)
{
    SPlatformMessage message;
    message.kind = EMessageKind::TIMER;
    std::uint32_t windowId = 0;
    return m_timers.find(key, windowId, message.timerId) && deliver(windowId, message);
}

bool CSdlDriver::deliverDrop(std::uint32_t windowId)
{
    SPlatformMessage message;
    message.kind = EMessageKind::FILES_DROPPED;
    message.paths = m_drops.complete(windowId);
    const CSdlWindow *window = findWindow(windowId);
    if (message.paths.empty() || window == nullptr)
        return false;
    message.position = getScale().toLogical(pointerInWindow(window->getSdlWindow()));
    message.modifiers = getModifiers();
    return deliver(windowId, message);
}

CSdlWindow *CSdlDriver::findWindow(std::uint32_t windowId) const
{
    const auto window = m_windows.find(windowId);
    return window == m_windows.end() ? nullptr : window->second;
}

void CSdlDriver::captureMouse(const CSdlWindow &window, bool capture)
{
    if (capture)
    {
        // SDL captures for the window with the keyboard focus, whichever was pressed in. Any other
        // (a menu) keeps the pointer through the display server's own grab of a pressed button:
        // its release comes back to it, and only its movements outside are lost.
        if (SDL_GetKeyboardFocus() == window.getSdlWindow() && SDL_CaptureMouse(SDL_TRUE) == 0)
            m_capturedId = window.getId();
    }
    else if (m_capturedId == window.getId())
    {
        SDL_CaptureMouse(SDL_FALSE);
        m_capturedId = 0;
    }
}

void CSdlDriver::forget(const CSdlWindow &window)
{
    captureMouse(window, false);
    m_timers.stopWindow(window.getId());
    m_drops.forget(window.getId());
    m_windows.erase(window.getId());
}
} // namespace Corvane::Platform
