#include "framework/platform/CSdlDriver.hpp"
#include "framework/platform/CSdlWindow.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <dlfcn.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

// Xlib's macros (None, Bool) would clash with names in the headers above.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace Corvane::Platform;

namespace
{
constexpr int WIDTH = 64;
constexpr int HEIGHT = 32;

struct SReceivedMessages : IPlatformWindowHandler
{
    int exposures = 0;
    int timers = 0;
    int presses = 0;
    int releases = 0;
    int leaves = 0;
    std::string typed;
    void handleMessage(const SPlatformMessage &message) override
    {
        if (message.kind == EMessageKind::EXPOSED)
            ++exposures;
        if (message.kind == EMessageKind::TIMER)
            ++timers;
        if (message.kind == EMessageKind::TEXT_INPUT)
            typed += message.text;
        if (message.kind == EMessageKind::BUTTON_DOWN)
            ++presses;
        if (message.kind == EMessageKind::BUTTON_UP)
            ++releases;
        if (message.kind == EMessageKind::MOUSE_LEAVE)
            ++leaves;
    }
};

/** A window shown on the X server named by DISPLAY, and a picture to present in it. */
class SdlX11Window : public ::testing::Test
{
protected:
    /** One connection to the server serves every test, as it serves a program. */
    static void SetUpTestSuite()
    {
        unsetenv("SDL_VIDEODRIVER");
        driver = new CSdlDriver();
        std::string reason;
        started = driver->start(reason);
        startProblem = reason;
    }

    static void TearDownTestSuite()
    {
        delete driver;
        driver = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(started) << "runs on an X server: " << startProblem;
        window = makeWindow("Exposures", SArea{20, 20, WIDTH, HEIGHT}, 0x00CF0000, received);
        ASSERT_TRUE(window);
        window->show();
    }

    /** A window of the driver's, not shown yet; null (and a failure saying why) if SDL made none. */
    static std::unique_ptr<IPlatformWindow> makeWindow(const std::string &title, const SArea &area,
                                                       std::uint32_t style, IPlatformWindowHandler &handler)
    {
        SWindowDescription description;
        description.title = title;
        description.area = area;
        description.style = style;
        std::string reason;
        std::unique_ptr<IPlatformWindow> made = driver->createWindow(description, handler, reason);
        EXPECT_TRUE(made) << reason;
        return made;
    }

    void present(const SArea &area) { window->present(picture.data(), SSize{WIDTH, HEIGHT}, WIDTH, area); }

    SDL_Window *sdlWindow() { return dynamic_cast<CSdlWindow &>(*window).getSdlWindow(); }

    static SDL_SysWMinfo x11Window(IPlatformWindow &platformWindow)
    {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        EXPECT_TRUE(SDL_GetWindowWMInfo(dynamic_cast<CSdlWindow &>(platformWindow).getSdlWindow(), &info));
        return info;
    }

    SDL_SysWMinfo x11Window() { return x11Window(*window); }

    /** Whether the server shows the window, has it unmapped, or mapped inside an unmapped parent. */
    int mapState()
    {
        const SDL_SysWMinfo info = x11Window();
        XWindowAttributes attributes{};
        XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes);
        return attributes.map_state;
    }

    /** Waits until the server has sent every event it owes, then delivers them all. */
    void deliverEverything()
    {
        XSync(x11Window().info.x11.display, False);
        while (driver->dispatchMessage(false) == EDispatch::DISPATCHED)
        {
        }
    }

    static CSdlDriver *driver;
    static bool started;
    static std::string startProblem;
    SReceivedMessages received;
    std::unique_ptr<IPlatformWindow> window;
    std::vector<std::uint32_t> picture = std::vector<std::uint32_t>(WIDTH * HEIGHT, 0xFF336699);
};

/** A key the server's keyboard map leaves without symbols, or 0. */
KeyCode spareKey(Display *display)
{
    int first = 0;
    int last = 0;
    XDisplayKeycodes(display, &first, &last);
    int perKey = 0;
    KeySym *symbols = XGetKeyboardMapping(display, static_cast<KeyCode>(first), last - first + 1, &perKey);
    KeyCode spare = 0;
    for (int key = last; key >= first && spare == 0; --key)
    {
        const KeySym *own = symbols + (key - first) * perKey;
        if (std::all_of(own, own + perKey, [](KeySym symbol) { return symbol == NoSymbol; }))
            spare = static_cast<KeyCode>(key);
    }
    XFree(symbols);
    return spare;
}

/** Presses and releases @p key in @p window, as the server would send it there. */
void typeKey(Display *display, Window window, KeyCode key)
{
    XEvent event{};
    event.xkey.display = display;
    event.xkey.window = window;
    event.xkey.root = DefaultRootWindow(display);
    event.xkey.keycode = key;
    event.xkey.same_screen = True;
    for (const int type : {KeyPress, KeyRelease})
    {
        event.xkey.type = type;
        XSendEvent(display, window, False, KeyPressMask | KeyReleaseMask, &event);
    }
}

/** A property of a window: its type, and its items as text (format 8) or as numbers (format 32). */
struct SProperty
{
    Atom type = 0;
    std::string text;
    std::vector<long> numbers;
};

SProperty readProperty(Display *display, Window window, const char *name)
{
    SProperty property;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char *value = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1L << 16, False, AnyPropertyType,
                           &property.type, &format, &count, &left, &value) != Success || value == nullptr)
        return property;
    if (format == 8)
        property.text.assign(reinterpret_cast<const char *>(value), count);
    if (format == 32) // Xlib hands 32-bit items over as longs
        property.numbers.assign(reinterpret_cast<const long *>(value), reinterpret_cast<const long *>(value) + count);
    XFree(value);
    return property;
}

#ifdef CORVANE_TRIMMED_SDL
/** How many bytes of this process's memory are mapped from files whose name has @p name in it. */
std::size_t mappedBytesNamed(const std::string &name)
{
    std::ifstream maps("/proc/self/maps");
    std::size_t bytes = 0;
    for (std::string line; std::getline(maps, line);)
    {
        unsigned long start = 0;
        unsigned long end = 0;
        if (line.find(name) != std::string::npos && std::sscanf(line.c_str(), "%lx-%lx", &start, &end) == 2)
            bytes += end - start;
    }
    return bytes;
}
#endif

CSdlDriver *SdlX11Window::driver = nullptr;
bool SdlX11Window::started = false;
std::string SdlX11Window::startProblem;
} // namespace

TEST_F(SdlX11Window, APictureShownWholeAfterTheMappingIsNotShownASecondTime)
{
    present(SArea{0, 0, WIDTH, HEIGHT});
    deliverEverything();
    EXPECT_EQ(received.exposures, 0);
}

TEST_F(SdlX11Window, WhatThePictureDidNotCoverIsStillExposed)
{
    // Only a part was shown: the mapping's exposure stays for the rest.
    present(SArea{0, 0, WIDTH / 2, HEIGHT});
    deliverEverything();
    EXPECT_GE(received.exposures, 1);

    // Uncovered again after the whole picture came: it has to be shown again.
    present(SArea{0, 0, WIDTH, HEIGHT});
    deliverEverything();
    received.exposures = 0;
    window->hide();
    window->show();
    deliverEverything();
    EXPECT_GE(received.exposures, 1);
}

TEST_F(SdlX11Window, AShownWindowIsMappedWhetherAPictureOrAHideComesFirst)
{
    present(SArea{0, 0, WIDTH, HEIGHT});
    EXPECT_EQ(mapState(), IsViewable);
    EXPECT_NE(SDL_GetWindowFlags(sdlWindow()) & SDL_WINDOW_SHOWN, 0u);
    window->hide();
    EXPECT_EQ(mapState(), IsUnmapped);

    // Shown and hidden again before any picture came: it must not stay on the screen.
    window->show();
    window->hide();
    deliverEverything();
    EXPECT_EQ(mapState(), IsUnmapped);
    EXPECT_EQ(SDL_GetWindowFlags(sdlWindow()) & SDL_WINDOW_SHOWN, 0u);
}

TEST_F(SdlX11Window, ThePictureReachesTheServerThroughAMemoryFileThatGoesWithTheWindow)
{
    present(SArea{0, 0, WIDTH, HEIGHT});
    const SDL_SysWMinfo info = x11Window();
    XImage *shown = XGetImage(info.info.x11.display, info.info.x11.window, 0, 0, WIDTH, HEIGHT, AllPlanes, ZPixmap);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(XGetPixel(shown, 0, 0) & 0xFFFFFFu, 0x336699u);
    EXPECT_EQ(XGetPixel(shown, WIDTH - 1, HEIGHT - 1) & 0xFFFFFFu, 0x336699u);
    XDestroyImage(shown);
#ifdef CORVANE_TRIMMED_SDL
    // Only the framework's own SDL sends its picture as a memory file; each window has one of its own.
    constexpr const char *PICTURE_FILE = "memfd:SDL window framebuffer";
    EXPECT_GE(mappedBytesNamed(PICTURE_FILE), std::size_t{WIDTH * HEIGHT * 4});
    window.reset();
    EXPECT_EQ(mappedBytesNamed(PICTURE_FILE), 0u);
#endif
}

TEST_F(SdlX11Window, TextInputStartedOnAShownWindowComposesADeadKeyWithTheNext)
{
    // The input method may be opened only when text input starts: the window made before that
    // must still get what it composes.
    present(SArea{0, 0, WIDTH, HEIGHT});
    const SDL_SysWMinfo info = x11Window();
    Display *display = info.info.x11.display;
    const Window xWindow = info.info.x11.window;
    const KeyCode deadKey = spareKey(display);
    ASSERT_NE(deadKey, 0) << "the server's keyboard map has no key to spare";
    KeySym symbol = XK_dead_acute;
    XChangeKeyboardMapping(display, deadKey, 1, &symbol, 1);
    XSetInputFocus(display, xWindow, RevertToParent, CurrentTime);
    deliverEverything();

    window->startTextInput(SArea{0, 0, WIDTH, HEIGHT});
    typeKey(display, xWindow, deadKey);
    typeKey(display, xWindow, XKeysymToKeycode(display, XK_e));
    deliverEverything();
    symbol = NoSymbol;
    XChangeKeyboardMapping(display, deadKey, 1, &symbol, 1);
    deliverEverything();
    EXPECT_EQ(received.typed, "\xC3\xA9"); // é
}

TEST_F(SdlX11Window, TheTitleIsGivenInUtf8AndAsAString)
{
    const SDL_SysWMinfo info = x11Window();
    Display *display = info.info.x11.display;
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    SProperty name = readProperty(display, info.info.x11.window, "_NET_WM_NAME");
    EXPECT_EQ(name.text, "Exposures");
    EXPECT_EQ(name.type, utf8);
    name = readProperty(display, info.info.x11.window, "WM_NAME");
    EXPECT_EQ(name.text, "Exposures");
    EXPECT_EQ(name.type, XA_STRING);

    // Beyond ASCII the title takes the way through Xlib's locale.
    const std::string title = "Tempo \xE2\x99\xA9 = 120"; // a crotchet
    std::unique_ptr<IPlatformWindow> other = makeWindow(title, SArea{40, 40, WIDTH, HEIGHT}, 0, received);
    ASSERT_TRUE(other);
    const Window otherWindow = x11Window(*other).info.x11.window;
    name = readProperty(display, otherWindow, "_NET_WM_NAME");
    EXPECT_EQ(name.text, title);
    EXPECT_EQ(name.type, utf8);
}

TEST_F(SdlX11Window, ATimerWakesTheEventLoopFromItsWait)
{
    // The timer fires on a thread of SDL's, which has to wake the wait for the server's events
    // (through a connection of its own): nothing else comes to end that wait.
    present(SArea{0, 0, WIDTH, HEIGHT});
    deliverEverything();
    window->startTimer(1, 5);
    for (int wait = 0; wait < 10 && received.timers < 3; ++wait)
        EXPECT_EQ(driver->dispatchMessage(true), EDispatch::DISPATCHED);
    window->stopTimer(1);
    EXPECT_EQ(received.timers, 3);
}

TEST_F(SdlX11Window, AnIconGivenBeforeTheFirstPictureComesWithItAndOneGivenLaterAtOnce)
{
    // Premultiplied: half transparent white is (128, 128, 128) at alpha 128, straight (255, 255, 255).
    const std::vector<std::uint32_t> icon(4 * 4, 0x80808080);
    window->setIcon(icon.data(), SSize{4, 4}, 4);
    const SDL_SysWMinfo info = x11Window();
    Display *display = info.info.x11.display;
    XSync(display, False);
    EXPECT_TRUE(readProperty(display, info.info.x11.window, "_NET_WM_ICON").numbers.empty());

    present(SArea{0, 0, WIDTH, HEIGHT});
    std::vector<long> shown = readProperty(display, info.info.x11.window, "_NET_WM_ICON").numbers;
    ASSERT_EQ(shown.size(), 2u + 16u);
    EXPECT_EQ(shown[0], 4);
    EXPECT_EQ(shown[1], 4);
    EXPECT_EQ(static_cast<std::uint32_t>(shown[2]), 0x80FFFFFFu);

    const std::vector<std::uint32_t> later(2 * 2, 0xFF00FF00);
    window->setIcon(later.data(), SSize{2, 2}, 2);
    shown = readProperty(display, info.info.x11.window, "_NET_WM_ICON").numbers;
    ASSERT_EQ(shown.size(), 2u + 4u);
    EXPECT_EQ(static_cast<std::uint32_t>(shown[5]), 0xFF00FF00u);
}

TEST_F(SdlX11Window, AButtonPressedInAMenuIsReleasedThereWhileTheMainWindowHasTheFocus)
{
    present(SArea{0, 0, WIDTH, HEIGHT});
    const SDL_SysWMinfo info = x11Window();
    Display *display = info.info.x11.display;
    SReceivedMessages inMenu;
    // A popup, which never takes the focus.
    std::unique_ptr<IPlatformWindow> menu = makeWindow("Menu", SArea{200, 20, WIDTH, HEIGHT}, 0x80000000, inMenu);
    ASSERT_TRUE(menu);
    menu->show();
    menu->present(picture.data(), SSize{WIDTH, HEIGHT}, WIDTH, SArea{0, 0, WIDTH, HEIGHT});
    // Without a window manager SDL gives the focus to each window it shows: it goes back.
    XSetInputFocus(display, info.info.x11.window, RevertToParent, CurrentTime);
    deliverEverything();

    // Through the server's input, so that the press grabs the pointer as a real one does. The
    // release comes only once the press has been handled, as a hand's does.
    XTestFakeMotionEvent(display, DefaultScreen(display), 210, 30, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    deliverEverything();
    ASSERT_EQ(inMenu.presses, 1);
    menu->captureMouse(true); // as a window does when pressed in
    deliverEverything();
    // Had the pointer been taken for the main window even for a moment, it would have left the menu.
    EXPECT_EQ(inMenu.leaves, 0);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    deliverEverything();
    menu->captureMouse(false);
    EXPECT_EQ(inMenu.releases, 1);
    EXPECT_EQ(received.releases, 0);
}

#ifdef CORVANE_LINKED_X11
namespace
{
void partOfTheProgram()
{
}
} // namespace

TEST_F(SdlX11Window, ALibraryLoadedToMakeACursorCallsTheLibX11LinkedIntoTheProgram)
{
    // libX11 loads libXcursor (where the system has it) to theme the cursor, and libXcursor brings
    // the shared libX11 along. Its calls must reach the libX11 that holds the connection.
    driver->setCursor(EStockCursor::TEXT);
    Dl_info program{};
    Dl_info found{};
    ASSERT_NE(dladdr(reinterpret_cast<void *>(&partOfTheProgram), &program), 0);
    ASSERT_NE(dladdr(dlsym(RTLD_DEFAULT, "XGetDefault"), &found), 0);
    EXPECT_EQ(found.dli_fbase, program.dli_fbase) << "XGetDefault is taken from " << found.dli_fname;
    deliverEverything();
    EXPECT_EQ(mapState(), IsViewable);
}
#endif
