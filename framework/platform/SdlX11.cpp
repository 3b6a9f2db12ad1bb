#include "framework/platform/SdlX11.hpp"

#include "framework/io/Log.hpp"
#include "framework/platform/LostDisplay.hpp"

#include <SDL.h>
#include <SDL_syswm.h>

#include <dlfcn.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xutil.h>
#endif

namespace Corvane::Platform
{
#if defined(SDL_VIDEO_DRIVER_X11)
namespace
{
/**
 * @p name from the libX11 the program has (SDL's, linked in and exported, or one it was linked
 * against), else from @p library, which may be null.
 */
void *findX11Symbol(const char *name, void *library)
{
    void *function = dlsym(RTLD_DEFAULT, name);
    return function != nullptr || library == nullptr ? function : dlsym(library, name);
}

/**
 * Whether the program has libX11 of its own. A shared one loaded beside it would be a second
 * libX11, which knows nothing of SDL's connection.
 */
bool programHasX11()
{
    return dlsym(RTLD_DEFAULT, "XOpenDisplay") != nullptr;
}

/** libX11 while SDL has it loaded; never loads it. */
class CLoadedX11
{
public:
    CLoadedX11() : m_library(dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD)) {}
    CLoadedX11(const CLoadedX11 &) = delete;
    CLoadedX11 &operator=(const CLoadedX11 &) = delete;
    ~CLoadedX11()
    {
        if (m_library != nullptr)
            dlclose(m_library);
    }

    template <typename TFunction>
    TFunction *find(const char *name) const
    {
        return reinterpret_cast<TFunction *>(findX11Symbol(name, m_library));
    }

private:
    void *m_library;
};

/** The X display and window of @p window, false when it is not an X11 window. */
bool getX11Window(SDL_Window *window, Display *&display, ::Window &x11Window)
{
    if (window == nullptr)
        return false;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    display = info.info.x11.display;
    x11Window = info.info.x11.window;
    return display != nullptr;
}

using X11ErrorHandler = int (*)(Display *, XErrorEvent *);
using X11IoErrorHandler = int (*)(Display *);
X11ErrorHandler xlibDefaultHandler = nullptr;
char *(*displayString)(Display *) = nullptr;

int handleX11Error(Display *display, XErrorEvent *error)
{
    if (error->error_code == BadWindow)
    {
        IO::logMessage("The X server no longer knows window 0x%lx (request %d); ignored",
                       static_cast<unsigned long>(error->resourceid), static_cast<int>(error->request_code));
        return 0;
    }
    return xlibDefaultHandler != nullptr ? xlibDefaultHandler(display, error) : 0;
}

int handleLostX11Connection(Display *display)
{
    endForLostDisplay(displayString != nullptr ? displayString(display) : nullptr);
}

/**
 * The shared libX11, loaded for good (Xlib calls the handlers set through it for as long as the
 * process talks to X); null when the program has its own.
 */
void *loadX11ForGood()
{
    static void *const library = programHasX11() ? nullptr : dlopen("libX11.so.6", RTLD_LAZY);
    return library;
}

/** A function of libX11, loaded for good if the program has none; null without libX11. */
template <typename TFunction>
TFunction *findX11Function(const char *name)
{
    return reinterpret_cast<TFunction *>(findX11Symbol(name, loadX11ForGood()));
}
} // namespace

void tolerateErrorsAboutGoneX11Windows()
{
    static bool installed = false;
    if (installed)
        return;
    auto *setErrorHandler = findX11Function<X11ErrorHandler(X11ErrorHandler)>("XSetErrorHandler");
    if (setErrorHandler == nullptr)
        return;
    xlibDefaultHandler = setErrorHandler(handleX11Error);
    installed = true;
}

void endProgramWhenX11ConnectionBreaks()
{
    // Xlib's own handler calls exit(), whose handlers close SDL's windows through the broken
    // connection: Xlib then reports the loss again, or waits for an answer that never comes.
    auto *setIoErrorHandler = findX11Function<X11IoErrorHandler(X11IoErrorHandler)>("XSetIOErrorHandler");
    displayString = findX11Function<char *(Display *)>("XDisplayString");
    if (setIoErrorHandler != nullptr)
        setIoErrorHandler(handleLostX11Connection);
}

bool requestX11Map(SDL_Window *window)
{
    static auto *const mapRaised = findX11Function<int(Display *, ::Window)>("XMapRaised");
    static auto *const flush = findX11Function<int(Display *)>("XFlush");
    Display *display = nullptr;
    ::Window x11Window = 0;
    if (mapRaised == nullptr || flush == nullptr || !getX11Window(window, display, x11Window))
        return false;
    mapRaised(display, x11Window);
    flush(display);
    return true;
}

unsigned long getNextX11Request(SDL_Window *window)
{
    static auto *const nextRequest = findX11Function<unsigned long(Display *)>("XNextRequest");
    Display *display = nullptr;
    ::Window x11Window = 0;
    return nextRequest != nullptr && getX11Window(window, display, x11Window) ? nextRequest(display) : 0;
}

namespace
{
struct SStaleEvents
{
    int type;
    ::Window window;
    unsigned long serial;
};

/** An event carries the serial of the last request the server had processed when it sent it. */
Bool isStaleEvent(Display *, XEvent *event, XPointer stale)
{
    const auto *wanted = reinterpret_cast<const SStaleEvents *>(stale);
    return event->type == wanted->type && event->xany.window == wanted->window && event->xany.serial < wanted->serial
               ? True
               : False;
}

/** Takes the events of @p type about @p window that came before request @p serial out of Xlib's queue. */
void dropEventsBefore(SDL_Window *window, int type, unsigned long serial)
{
    using TPredicate = Bool(Display *, XEvent *, XPointer);
    static auto *const checkIfEvent = findX11Function<Bool(Display *, XEvent *, TPredicate *, XPointer)>("XCheckIfEvent");
    Display *display = nullptr;
    SStaleEvents stale{type, 0, serial};
    if (serial == 0 || checkIfEvent == nullptr || !getX11Window(window, display, stale.window))
        return;
    XEvent dropped;
    while (checkIfEvent(display, &dropped, isStaleEvent, reinterpret_cast<XPointer>(&stale)) == True)
    {
    }
}
} // namespace

void dropX11ExposuresBefore(SDL_Window *window, unsigned long serial)
{
    dropEventsBefore(window, Expose, serial);
}

void dropX11MapNoticesBefore(SDL_Window *window, unsigned long serial)
{
    dropEventsBefore(window, MapNotify, serial);
}

void ringX11Bell(SDL_Window *window)
{
    Display *display = nullptr;
    ::Window x11Window = 0;
    if (!getX11Window(window, display, x11Window))
        return;
    const CLoadedX11 x11;
    auto *bell = x11.find<int(Display *, int)>("XBell");
    auto *flush = x11.find<int(Display *)>("XFlush");
    if (bell != nullptr && flush != nullptr)
    {
        bell(display, 0); // the volume the user set
        flush(display);
    }
}

void setX11WindowClass(SDL_Window *window, const std::string &className)
{
    Display *display = nullptr;
    ::Window x11Window = 0;
    if (className.empty() || !getX11Window(window, display, x11Window))
        return;
    const CLoadedX11 x11;
    auto *setClassHint = x11.find<int(Display *, ::Window, XClassHint *)>("XSetClassHint");
    if (setClassHint == nullptr)
        return;
    std::string name = className; // X takes the texts as writable
    XClassHint hint{name.data(), name.data()};
    setClassHint(display, x11Window, &hint);
}
#else
void tolerateErrorsAboutGoneX11Windows()
{
}

void endProgramWhenX11ConnectionBreaks()
{
}

bool requestX11Map(SDL_Window *)
{
    return false;
}

unsigned long getNextX11Request(SDL_Window *)
{
    return 0;
}

void dropX11ExposuresBefore(SDL_Window *, unsigned long)
{
}

void dropX11MapNoticesBefore(SDL_Window *, unsigned long)
{
}

void ringX11Bell(SDL_Window *)
{
}

void setX11WindowClass(SDL_Window *, const std::string &)
{
}
#endif
} // namespace Corvane::Platform
