#include "framework/platform/SdlX11.hpp"

#include "framework/io/Log.hpp"

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xutil.h>
#endif

namespace Corvane::Platform
{
void endAfterLostX11Connection()
{
    std::fputs("The connection to the X server is lost: the program ends\n", stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

#if defined(SDL_VIDEO_DRIVER_X11)
namespace
{
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
        return m_library != nullptr ? reinterpret_cast<TFunction *>(dlsym(m_library, name)) : nullptr;
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
X11ErrorHandler xlibDefaultHandler = nullptr;

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

int handleLostX11Connection(Display *)
{
    endAfterLostX11Connection();
}

/** A function of libX11, loaded for good: Xlib calls the handlers for as long as the process talks to X. */
template <typename TFunction>
TFunction *findForGood(const char *name)
{
    static void *library = dlopen("libX11.so.6", RTLD_LAZY);
    return library != nullptr ? reinterpret_cast<TFunction *>(dlsym(library, name)) : nullptr;
}
} // namespace

void tolerateErrorsAboutGoneX11Windows()
{
    static bool installed = false;
    if (installed)
        return;
    auto *setErrorHandler = findForGood<X11ErrorHandler(X11ErrorHandler)>("XSetErrorHandler");
    if (setErrorHandler == nullptr)
        return;
    xlibDefaultHandler = setErrorHandler(handleX11Error);
    installed = true;
}

void endAtOnceWhenX11ConnectionIsLost()
{
    using X11IOErrorHandler = int (*)(Display *);
    if (auto *setIOErrorHandler = findForGood<X11IOErrorHandler(X11IOErrorHandler)>("XSetIOErrorHandler"))
        setIOErrorHandler(handleLostX11Connection);
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

void endAtOnceWhenX11ConnectionIsLost()
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
