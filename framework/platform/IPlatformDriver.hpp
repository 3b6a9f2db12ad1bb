#pragma once

#include "framework/platform/IPlatformWindow.hpp"

#include <memory>

namespace Corvane::Platform
{
enum class EDispatch
{
    DISPATCHED, // one message went to its window's handler
    EMPTY,      // nothing was waiting (only when not asked to wait)
    QUIT        // the quit request came: getQuitCode() tells its code
};

/** Work the framework does whenever the message queue runs empty, before the backend sleeps. */
struct IIdleHandler
{
    virtual ~IIdleHandler() = default;
    /** Paints the pending repaint areas, for instance; may not wait. */
    virtual void runIdleWork() = 0;
};

/**
 * One backend of the platform seam: it makes windows and runs their message queue. The SDL
 * backend is what users run; the headless one keeps windows as records for the tests. Everything
 * above this interface (the pending repaint areas, where keys and wheel turns go, closing popups
 * on a press elsewhere) is the framework's, so both backends behave the same.
 */
class IPlatformDriver
{
public:
    virtual ~IPlatformDriver() = default;

    /** A short name: "sdl", "headless". */
    virtual const char *getName() const = 0;

    /**
     * Does the part of starting that may start a helper program, while the program still has one
     * thread: a program forked from one with several can hang before it runs, when another thread
     * held a lock at the moment of the fork. SDL connects to the session's message bus, which
     * may launch one. Failures are left for start to meet and report.
     */
    virtual void prepare() = 0;
    /**
     * Gets the backend ready to make windows (SDL starts its video subsystem). False, with the
     * reason, when it cannot (no display to reach); later calls answer the same at once.
     */
    virtual bool start(std::string &reason) = 0;
    /**
     * Destroys what start made. Windows should be gone by then; one still open loses its platform
     * window and does nothing from then on, so a late destruction is harmless.
     */
    virtual void stop() = 0;

    /** A new hidden window whose messages go to @p handler; null, with the reason, on failure. */
    virtual std::unique_ptr<IPlatformWindow> createWindow(const SWindowDescription &description,
                                                          IPlatformWindowHandler &handler, std::string &error) = 0;

    /**
     * Hands the next message to its window's handler. When none is waiting, the idle handler
     * runs first; then, with @p wait, the call sleeps until a message comes (never EMPTY then);
     * without, it answers EMPTY. Once the quit request has come every call answers QUIT, so
     * nested loops end too.
     */
    virtual EDispatch dispatchMessage(bool wait) = 0;
    /** The one idle handler (null for none); the caller keeps it alive while it is set. */
    virtual void setIdleHandler(IIdleHandler *handler) = 0;
    /** Queues the quit request behind the messages already waiting. */
    virtual void postQuit(int code) = 0;
    virtual int getQuitCode() const = 0;
    /** Forgets a quit request, one still waiting in the queue too, so that a new message loop can run. */
    virtual void resetQuit() = 0;

    virtual void setCursor(EStockCursor cursor) = 0;
    virtual void showCursor(bool show) = 0;
    /** The pointer on the screen; false when the platform cannot tell. */
    virtual bool getPointerPosition(SPoint &position) const = 0;
    /** The modifier keys held now. */
    virtual SModifiers getModifiers() const = 0;

    virtual bool getClipboardText(std::string &text) const = 0;
    virtual bool setClipboardText(const std::string &text) = 0;

    /** The usable area of the screen that holds @p point (the primary one when none does). */
    virtual bool getScreenArea(const SPoint &point, SArea &area) const = 0;
    virtual void beep() = 0;

    /** Device pixels per logical pixel: 1 today, 2 in a later high-density mode. */
    virtual int getScaleFactor() const { return 1; }
};

/**
 * The backend the process uses: chosen from the driver table by the name in CORVANE_PLATFORM
 * ("sdl" when unset), or installed by selectPlatformDriver. Made on first use.
 */
IPlatformDriver &getPlatformDriver();
/** Makes the table's backend of that name the process's; false for an unknown name. */
bool selectPlatformDriver(const char *name);
/** Stops and destroys the current backend (the next getPlatformDriver makes one again). */
void releasePlatformDriver();
/**
 * What a backend calls once it has started: the framework's shutdown then stops it, before
 * anything it started on (the video subsystem), since that registered first.
 */
void registerPlatformDriverService();
} // namespace Corvane::Platform
