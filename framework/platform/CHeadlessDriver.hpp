#pragma once

#include "framework/platform/CIdleRunner.hpp"
#include "framework/platform/CQuitState.hpp"
#include "framework/platform/CWindowInbox.hpp"
#include "framework/platform/IPlatformDriver.hpp"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace Corvane::Platform
{
class CHeadlessDriver;

/**
 * A window of the headless backend: a record of what the framework asked of it, with a copy of
 * the pixels it presented. It never makes a message of its own; the test posts or delivers them.
 */
class CHeadlessWindow : public IPlatformWindow
{
public:
    CHeadlessWindow(CHeadlessDriver &driver, std::uint32_t id, const SWindowDescription &description,
                    IPlatformWindowHandler &handler);
    CHeadlessWindow(const CHeadlessWindow &) = delete;
    CHeadlessWindow &operator=(const CHeadlessWindow &) = delete;
    ~CHeadlessWindow() override;

    void show() override { m_visible = true; }
    void hide() override { m_visible = false; }
    bool isVisible() const override { return m_visible; }
    void setEnabled(bool enabled) override { m_inbox.setEnabled(enabled); }
    void move(const SPoint &position) override { m_position = position; }
    /** Like a platform window surface made again, the presented pixels start black. */
    void resize(const SSize &size) override;
    void setOpacity(double opacity) override;
    void setIcon(const std::uint32_t *pixels, const SSize &size, long rowWords) override;
    void present(const std::uint32_t *pixels, const SSize &pictureSize, long rowWords, const SArea &area) override;
    void captureMouse(bool capture) override;
    /** The client area itself: headless windows have no frame. */
    bool getOuterArea(SArea &area) const override;
    bool getClientSize(SSize &size) const override;
    void bringToForeground() override;
    void raise() override { ++m_raiseCount; }
    void startTimer(long id, long milliseconds) override { m_timers[id] = milliseconds; }
    void stopTimer(long id) override { m_timers.erase(id); }
    void startTextInput(const SArea &area) override;
    void stopTextInput() override { m_inbox.setTextInput(false); }

    std::uint32_t getId() const { return m_id; }
    const SWindowDescription &getDescription() const { return m_description; }
    const std::string &getTitle() const { return m_description.title; }
    const SWindowStyle &getStyle() const { return m_style; }
    bool isEnabled() const { return m_inbox.isEnabled(); }
    /** The client area's top left corner on the screen. */
    const SPoint &getPosition() const { return m_position; }
    const SSize &getSize() const { return m_size; }
    double getOpacity() const { return m_opacity; }
    bool isCaptured() const;
    bool isTimerRunning(long id) const { return m_timers.count(id) != 0; }
    /** The period of a running timer in milliseconds, 0 for a timer that is not running. */
    long getTimerPeriod(long id) const;
    std::size_t getNumberOfTimers() const { return m_timers.size(); }
    bool isTextInputOn() const { return m_inbox.isTextInputOn(); }
    const SArea &getTextInputArea() const { return m_textInputArea; }
    /** 0 by 0 without an icon. */
    const SSize &getIconSize() const { return m_iconSize; }
    int getRaiseCount() const { return m_raiseCount; }

    /** The presented pixels, rows packed (getSize().width words a row). */
    const std::vector<std::uint32_t> &getPixels() const { return m_pixels; }
    /** One presented pixel; 0 outside the window. */
    std::uint32_t getPixel(int x, int y) const;

private:
    friend class CHeadlessDriver;

    /** Passes @p message to the handler unless the window's state turns it away. */
    bool receive(const SPlatformMessage &message) { return m_inbox.receive(message); }
    /** The driver goes away first: the record stays readable but no longer reaches it. */
    void detach() { m_driver = nullptr; }

    CHeadlessDriver *m_driver;
    std::uint32_t m_id;
    SWindowDescription m_description;
    SWindowStyle m_style;
    CWindowInbox m_inbox;
    bool m_visible = false;
    SPoint m_position;
    SSize m_size;
    double m_opacity = 1.0;
    std::map<long, long> m_timers;
    SArea m_textInputArea;
    SSize m_iconSize;
    int m_raiseCount = 0;
    std::vector<std::uint32_t> m_pixels;
};

/**
 * The backend the tests run on: no display, no threads, no clock. Windows are records
 * (CHeadlessWindow) listed in creation order. Messages reach them only from the test, with the
 * same rules as the SDL backend: post() queues a message behind the others for dispatchMessage,
 * deliver() hands it over at once, fireTimer() delivers a TIMER message of a running timer; a
 * disabled window turns input away, messages for a destroyed window are dropped, the idle
 * handler runs whenever the queue is found empty, and the quit request ends every loop until
 * resetQuit(). Waiting on an empty queue throws std::logic_error, since nothing could ever
 * arrive: a test that would hang fails instead.
 *
 * The pointer, the modifier keys, the clipboard and the screen are fields the test sets (one
 * 1920 by 1080 screen at first); beeps are counted.
 */
class CHeadlessDriver : public IPlatformDriver
{
public:
    /** Makes a fresh headless backend the process's (stopping the one before) and answers it. */
    static CHeadlessDriver &install();

    CHeadlessDriver() = default;
    CHeadlessDriver(const CHeadlessDriver &) = delete;
    CHeadlessDriver &operator=(const CHeadlessDriver &) = delete;
    ~CHeadlessDriver() override;

    const char *getName() const override { return "headless"; }
    void prepare() override {}
    bool start(std::string &reason) override;
    void stop() override;
    std::unique_ptr<IPlatformWindow> createWindow(const SWindowDescription &description,
                                                  IPlatformWindowHandler &handler, std::string &error) override;
    EDispatch dispatchMessage(bool wait) override;
    void setIdleHandler(IIdleHandler *handler) override { m_idle.setHandler(handler); }
    void postQuit(int code) override;
    int getQuitCode() const override { return m_quit.getCode(); }
    void resetQuit() override;
    void setCursor(EStockCursor cursor) override { m_cursor = cursor; }
    void showCursor(bool show) override { m_cursorShown = show; }
    bool getPointerPosition(SPoint &position) const override;
    SModifiers getModifiers() const override { return m_modifiers; }
    bool getClipboardText(std::string &text) const override;
    bool setClipboardText(const std::string &text) override;
    bool getScreenArea(const SPoint &point, SArea &area) const override;
    void beep() override { ++m_beeps; }

    /** The open windows, oldest first. */
    const std::vector<CHeadlessWindow *> &getWindows() const { return m_windows; }
    /** The newest open window with that title, or null. */
    CHeadlessWindow *findWindow(const std::string &title) const;
    /** The record of one of this backend's windows; std::invalid_argument for any other. */
    CHeadlessWindow &getRecord(const IPlatformWindow &window) const;

    /** Queues @p message for @p window behind everything waiting. */
    void post(const IPlatformWindow &window, const SPlatformMessage &message);
    /** Hands @p message to the window's handler now; false when the window turned it away. */
    bool deliver(const IPlatformWindow &window, const SPlatformMessage &message);
    /** Delivers a TIMER message with @p id when that timer runs; answers whether it did. */
    bool fireTimer(const IPlatformWindow &window, long id);
    /** Messages and quit requests waiting in the queue. */
    std::size_t getQueueLength() const { return m_queue.size(); }

    void setPointerPosition(const SPoint &position) { m_pointer = position; }
    void setModifiers(const SModifiers &modifiers) { m_modifiers = modifiers; }
    void setScreenArea(const SArea &area) { m_screen = area; }
    /** From now on start() and createWindow() fail with @p reason, as without a display; "" undoes it. */
    void setStartFailure(const std::string &reason) { m_startFailure = reason; }

    int getBeepCount() const { return m_beeps; }
    EStockCursor getCursor() const { return m_cursor; }
    bool isCursorShown() const { return m_cursorShown; }
    /** The window holding the mouse capture, or null. */
    CHeadlessWindow *getCapturedWindow() const { return findById(m_capturedId); }
    /** The window last brought to the foreground, or null. */
    CHeadlessWindow *getForegroundWindow() const { return findById(m_foregroundId); }

private:
    friend class CHeadlessWindow;

    struct SQueued
    {
        std::uint32_t windowId = 0; // 0: the quit request
        SPlatformMessage message;
        int quitCode = 0;
    };

    CHeadlessWindow *findById(std::uint32_t id) const;
    void forget(CHeadlessWindow &window);
    void detachWindows();

    std::vector<CHeadlessWindow *> m_windows;
    std::uint32_t m_nextId = 1;
    std::deque<SQueued> m_queue;
    CQuitState m_quit;
    CIdleRunner m_idle;
    std::uint32_t m_capturedId = 0;
    std::uint32_t m_foregroundId = 0;
    std::string m_startFailure;
    SPoint m_pointer;
    SModifiers m_modifiers;
    std::string m_clipboard;
    SArea m_screen{0, 0, 1920, 1080};
    int m_beeps = 0;
    EStockCursor m_cursor = EStockCursor::ARROW;
    bool m_cursorShown = true;
};
} // namespace Corvane::Platform
