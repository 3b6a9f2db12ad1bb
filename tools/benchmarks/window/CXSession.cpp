#include "tools/benchmarks/window/CXSession.hpp"

#include "tools/benchmarks/window/XConnectionIds.hpp"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <poll.h>
#include <thread>

namespace Corvane::WindowBench
{
namespace
{
constexpr auto SEARCH_INTERVAL = std::chrono::milliseconds(20);

/** Windows of other programs come and go at any time: a request about one that just went is not a fault. */
int ignoreError(Display *, XErrorEvent *)
{
    return 0;
}

/** A property of @p window read as one block of @p type items, or nothing. */
struct SProperty
{
    unsigned char *data = nullptr;
    unsigned long items = 0;

    ~SProperty()
    {
        if (data != nullptr)
            XFree(data);
    }
};

bool readProperty(Display *display, Window window, Atom property, Atom type, SProperty &value)
{
    Atom actualType = None;
    int format = 0;
    unsigned long after = 0;
    return XGetWindowProperty(display, window, property, 0, 1024, False, type, &actualType, &format, &value.items,
                              &after, &value.data) == Success &&
           actualType == type && value.data != nullptr;
}

bool isViewable(Display *display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) != 0 && attributes.map_state == IsViewable;
}
bool isOneColour(XImage *image)
{
    const unsigned long first = XGetPixel(image, 0, 0);
    for (int y = 0; y < image->height; y++)
        for (int x = 0; x < image->width; x++)
            if (XGetPixel(image, x, y) != first)
                return false;
    return true;
}

/** What the event queue scan looks for, and what it saw. */
struct SQueueScan
{
    int repaintType;
    Window window;
    bool found;
};

/** Never takes an event: it only notes whether a repaint of the window passes by. */
Bool noteRepaint(Display *, XEvent *event, XPointer argument)
{
    auto *scan = reinterpret_cast<SQueueScan *>(argument);
    if (event->type == scan->repaintType && reinterpret_cast<XDamageNotifyEvent *>(event)->drawable == scan->window)
        scan->found = true;
    return False;
}
} // namespace

double millisecondsBetween(TTime start, TTime end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

CXSession::~CXSession()
{
    if (m_display != nullptr)
        XCloseDisplay(m_display);
}

bool CXSession::open(std::string &problem)
{
    m_display = XOpenDisplay(nullptr);
    if (m_display == nullptr)
    {
        const char *name = XDisplayName(nullptr);
        problem = std::string("cannot open the X display \"") + (name != nullptr ? name : "") + "\"";
        return false;
    }
    // The programs this tool starts must not inherit its connection.
    fcntl(ConnectionNumber(m_display), F_SETFD, FD_CLOEXEC);
    XSetErrorHandler(ignoreError);
    int errorBase = 0;
    int major = 1;
    int minor = 1;
    if (!XDamageQueryExtension(m_display, &m_damageEventBase, &errorBase) ||
        !XDamageQueryVersion(m_display, &major, &minor))
        problem = "the X server has no DAMAGE extension";
    int testEvent = 0;
    int testError = 0;
    if (problem.empty() && !XTestQueryExtension(m_display, &testEvent, &testError, &major, &minor))
        problem = "the X server has no XTEST extension";
    m_pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
    m_nameAtom = XInternAtom(m_display, "_NET_WM_NAME", False);
    m_utf8Atom = XInternAtom(m_display, "UTF8_STRING", False);
    return problem.empty();
}

CWindowMatcher CXSession::watchNewWindows()
{
    XSelectInput(m_display, getRoot(), SubstructureNotifyMask);
    CWindowMatcher matcher(connectionIdMask(m_display));
    matcher.addForeign(connectionIdBase(m_display));
    Window root = None;
    Window parent = None;
    Window *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(m_display, getRoot(), &root, &parent, &children, &count) != 0)
    {
        for (unsigned int index = 0; index < count; index++)
            matcher.addForeign(children[index]);
        XFree(children);
    }
    XSync(m_display, False);
    return matcher;
}

bool CXSession::nextEvent(XEvent &event, TTime deadline, TTime &receivedAt)
{
    while (XPending(m_display) == 0)
    {
        const double left = millisecondsBetween(TClock::now(), deadline);
        if (left <= 0)
            return false;
        pollfd connection = {ConnectionNumber(m_display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left) + 1);
    }
    XNextEvent(m_display, &event);
    receivedAt = TClock::now();
    return true;
}

Damage CXSession::watchRepaints(Window window)
{
    return XDamageCreate(m_display, window, XDamageReportRawRectangles);
}

bool CXSession::isRepaint(const XEvent &event, TTime receivedAt, SRepaint &repaint) const
{
    if (event.type != m_damageEventBase + XDamageNotify)
        return false;
    const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
    repaint.window = damage.drawable;
    repaint.area = SArea{damage.area.width, damage.area.height, damage.area.x, damage.area.y};
    repaint.receivedAt = receivedAt;
    return true;
}

SReadBack CXSession::readBack(Window window) const
{
    SReadBack result;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(m_display, window, &attributes) == 0 || attributes.map_state != IsViewable)
        return result;
    XImage *image = XGetImage(m_display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    result.readAt = TClock::now();
    if (image == nullptr)
        return result;
    // Events that came before the picture's reply were sent before the server read the window.
    result.laterRepaints = hasQueuedRepaint(window);
    result.contents = isOneColour(image) ? EContents::BLANK : EContents::PAINTED;
    XDestroyImage(image);
    return result;
}

bool CXSession::hasQueuedRepaint(Window window) const
{
    SQueueScan scan = {m_damageEventBase + XDamageNotify, window, false};
    XEvent unused;
    XCheckIfEvent(m_display, &unused, noteRepaint, reinterpret_cast<XPointer>(&scan));
    return scan.found;
}

pid_t CXSession::namedPid(Window window) const
{
    SProperty pid;
    if (!readProperty(m_display, window, m_pidAtom, XA_CARDINAL, pid) || pid.items < 1)
        return 0;
    return static_cast<pid_t>(*reinterpret_cast<const unsigned long *>(pid.data));
}

Window CXSession::findWindowNamed(const std::string &name, TTime deadline) const
{
    for (;;)
    {
        const Window found = searchNamed(getRoot(), name);
        if (found != None || TClock::now() >= deadline)
            return found;
        std::this_thread::sleep_for(SEARCH_INTERVAL);
    }
}

bool CXSession::hasName(Window window, const std::string &name) const
{
    SProperty utf8;
    if (readProperty(m_display, window, m_nameAtom, m_utf8Atom, utf8))
        return name == std::string(reinterpret_cast<const char *>(utf8.data), utf8.items);
    char *plain = nullptr;
    if (XFetchName(m_display, window, &plain) == 0 || plain == nullptr)
        return false;
    const bool same = name == plain;
    XFree(plain);
    return same;
}

Window CXSession::searchNamed(Window parent, const std::string &name) const
{
    Window root = None;
    Window up = None;
    Window *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(m_display, parent, &root, &up, &children, &count) == 0)
        return None;
    Window found = None;
    for (unsigned int index = 0; index < count && found == None; index++)
    {
        if (hasName(children[index], name) && isViewable(m_display, children[index]))
            found = children[index];
        else
            found = searchNamed(children[index], name);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}
} // namespace Corvane::WindowBench
