#pragma once

#include "framework/platform/CDropCollector.hpp"
#include "framework/platform/CIdleRunner.hpp"
#include "framework/platform/CQuitState.hpp"
#include "framework/platform/CSdlTimers.hpp"
#include "framework/platform/DeviceScale.hpp"
#include "framework/platform/IPlatformDriver.hpp"

#include <array>
#include <cstdint>
#include <map>
#include <string>

struct SDL_Cursor;
union SDL_Event;

namespace Corvane::Platform
{
class CSdlWindow;
struct STranslation;

/**
 * The backend users run, on SDL 2. It starts SDL's video on first need, on X11 unless
 * SDL_VIDEODRIVER names another driver: the menus are popups placed in screen coordinates,
 * which SDL 2 cannot place on native Wayland (Wayland sessions run the program through
 * XWayland). An idle program sleeps in SDL_WaitEvent; nothing polls.
 *
 * Each SDL event becomes a platform message through translateEvent; the backend then finds the
 * window, gathers dropped files into one message, turns timer events into TIMER messages of
 * timers still running, and lets each window's inbox turn away what the window does not take.
 */
class CSdlDriver : public IPlatformDriver
{
public:
    CSdlDriver() = default;
    CSdlDriver(const CSdlDriver &) = delete;
    CSdlDriver &operator=(const CSdlDriver &) = delete;
    ~CSdlDriver() override;

    const char *getName() const override { return "sdl"; }
    void prepare() override;
    bool start(std::string &reason) override;
    void stop() override;
    std::unique_ptr<IPlatformWindow> createWindow(const SWindowDescription &description,
                                                  IPlatformWindowHandler &handler, std::string &error) override;
    /** Throws std::runtime_error when asked to wait without a display, where nothing can arrive. */
    EDispatch dispatchMessage(bool wait) override;
    void setIdleHandler(IIdleHandler *handler) override { m_idle.setHandler(handler); }
    void postQuit(int code) override;
    int getQuitCode() const override { return m_quit.getCode(); }
    void resetQuit() override;
    void setCursor(EStockCursor cursor) override;
    void showCursor(bool show) override;
    bool getPointerPosition(SPoint &position) const override;
    SModifiers getModifiers() const override;
    bool getClipboardText(std::string &text) const override;
    bool setClipboardText(const std::string &text) override;
    bool getScreenArea(const SPoint &point, SArea &area) const override;
    /** The X bell; nothing where the display is not X11. */
    void beep() override;

    SDeviceScale getScale() const { return SDeviceScale{getScaleFactor()}; }
    /** The key of a running timer of the window (0 for none), which its TIMER events carry. */
    std::uintptr_t getTimerKey(const CSdlWindow &window, long id) const;

private:
    friend class CSdlWindow;

    enum class EState
    {
        STOPPED,
        RUNNING,
        FAILED
    };

    /** Starts SDL on first need (a failure is kept); answers whether it runs. */
    bool ensureRunning() const;
    /** Answers true when the event went to a window's handler. */
    bool handleEvent(const SDL_Event &event);
    bool handleTranslation(STranslation &translation);
    bool deliver(std::uint32_t windowId, SPlatformMessage &message);
    bool deliverTimer(std::uintptr_t key);
    bool deliverDrop(std::uint32_t windowId);
    CSdlWindow *findWindow(std::uint32_t windowId) const;

    void captureMouse(const CSdlWindow &window, bool capture);
    void forget(const CSdlWindow &window);

    // Starting on first need is no change a caller could see, so const queries may start SDL.
    mutable EState m_state = EState::STOPPED;
    mutable std::string m_failure;
    std::map<std::uint32_t, CSdlWindow *> m_windows;
    CSdlTimers m_timers;
    CDropCollector m_drops;
    CQuitState m_quit;
    CIdleRunner m_idle;
    std::array<SDL_Cursor *, 8> m_cursors{};
    std::uint32_t m_capturedId = 0;
};
} // namespace Corvane::Platform
