#pragma once

#include "tools/benchmarks/window/BenchArguments.hpp"
#include "tools/benchmarks/window/CWindowMatcher.hpp"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <chrono>
#include <string>

namespace Corvane::WindowBench
{
using TClock = std::chrono::steady_clock;
using TTime = TClock::time_point;

/** Milliseconds between two instants, as a fraction. */
double millisecondsBetween(TTime start, TTime end);

/** What a window shows: one colour all over (nothing drawn yet but its background), more, or unknown. */
enum class EContents
{
    BLANK,
    PAINTED,
    UNKNOWN
};

/** A window read back from the server. */
struct SReadBack
{
    EContents contents = EContents::UNKNOWN;
    /** When the picture arrived. */
    TTime readAt;
    /** Whether repaints of the window that the picture may already show were waiting by then. */
    bool laterRepaints = false;
};

/** A repaint the X server reported: which window, where in it, and when this tool read it. */
struct SRepaint
{
    Window window = None;
    SArea area;
    TTime receivedAt;
};

/**
 * This tool's connection to the X server, with what the measurements need: the DAMAGE extension
 * (the server reports every drawing into a watched window, whoever draws it) and XTEST (input
 * that reaches programs exactly as a person's would). X errors about windows that vanished
 * meanwhile are expected while watching other programs, so they are ignored, never fatal.
 */
class CXSession
{
public:
    CXSession() = default;
    ~CXSession();
    CXSession(const CXSession &) = delete;
    CXSession &operator=(const CXSession &) = delete;

    /** Connects to $DISPLAY; false, with the reason in @p problem, without it or its extensions. */
    bool open(std::string &problem);

    Display *getDisplay() const
    {
        return m_display;
    }
    Window getRoot() const
    {
        return DefaultRootWindow(m_display);
    }

    /**
     * Starts reporting windows made on the root (CreateNotify) and returns a matcher for the
     * windows of a program that has not connected yet: every connection that owns a top-level
     * window now, and this one, count as someone else.
     */
    CWindowMatcher watchNewWindows();

    /** Waits for the next event until @p deadline; false on time-out. */
    bool nextEvent(XEvent &event, TTime deadline, TTime &receivedAt);

    /** Asks for a report of every rectangle drawn into @p window from now on. */
    Damage watchRepaints(Window window);

    /** If @p event reports a repaint, fills @p repaint (stamped @p receivedAt) and answers true. */
    bool isRepaint(const XEvent &event, TTime receivedAt, SRepaint &repaint) const;

    /**
     * Reads @p window back from the server: whether it shows anything but one colour; UNKNOWN
     * when it cannot be read (not viewable, partly off the screen).
     */
    SReadBack readBack(Window window) const;

    /** The process id @p window names in _NET_WM_PID, or 0 when it names none. */
    pid_t namedPid(Window window) const;

    /** The viewable window titled exactly @p name, waiting for it until @p deadline; None if none came. */
    Window findWindowNamed(const std::string &name, TTime deadline) const;

    /** Sends what is buffered to the server at once. */
    void flush() const
    {
        XFlush(m_display);
    }

private:
    bool hasQueuedRepaint(Window window) const;
    bool hasName(Window window, const std::string &name) const;
    Window searchNamed(Window parent, const std::string &name) const;

    Display *m_display = nullptr;
    int m_damageEventBase = 0;
    Atom m_pidAtom = None;
    Atom m_nameAtom = None;
    Atom m_utf8Atom = None;
};
} // namespace Corvane::WindowBench
