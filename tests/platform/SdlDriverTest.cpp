#include "framework/basics/CProcessServices.hpp"
#include "framework/platform/CSdlDriver.hpp"
#include "framework/platform/CSdlWindow.hpp"
#include "framework/platform/SdlEventTranslation.hpp"
#include "framework/platform/VideoSubsystem.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

using namespace Corvane::Platform;

namespace
{
struct SRecorder : IPlatformWindowHandler
{
    std::vector<SPlatformMessage> messages;
    void handleMessage(const SPlatformMessage &message) override { messages.push_back(message); }
};

SWindowDescription description(std::uint32_t style = 0x00CF0000, std::uint32_t extendedStyle = 0x10)
{
    SWindowDescription made;
    made.title = "Smoke";
    made.className = "com.corvane.smoke";
    made.area = SArea{40, 30, 16, 8};
    made.style = style;
    made.extendedStyle = extendedStyle;
    return made;
}

void push(SDL_Event event)
{
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
}

SDL_Event eventFor(const CSdlWindow &window, Uint32 type)
{
    SDL_Event event{};
    event.type = type;
    if (type >= SDL_DROPFILE && type <= SDL_DROPCOMPLETE)
        event.drop.windowID = window.getId();
    else
        event.window.windowID = window.getId(); // where mouse, key and window events keep it too
    return event;
}

/** Every test runs on SDL's dummy video driver, through a backend of its own. */
class SdlDriver : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        std::string reason;
        ASSERT_TRUE(driver.start(reason)) << reason;
        std::string error;
        window = driver.createWindow(description(), recorder, error);
        ASSERT_TRUE(window) << error;
    }

    CSdlWindow &sdlWindow() { return dynamic_cast<CSdlWindow &>(*window); }

    /** Dispatches without waiting until the queue is empty; answers how many messages went out. */
    int drain()
    {
        int dispatched = 0;
        while (driver.dispatchMessage(false) == EDispatch::DISPATCHED)
            ++dispatched;
        return dispatched;
    }

    CSdlDriver driver;
    SRecorder recorder;
    std::unique_ptr<IPlatformWindow> window;
};
} // namespace

TEST_F(SdlDriver, AWindowOpensPresentsItsPicturePixelForPixelAndCloses)
{
    SDL_Window *made = sdlWindow().getSdlWindow();
    const Uint32 flags = SDL_GetWindowFlags(made);
    EXPECT_TRUE(flags & SDL_WINDOW_RESIZABLE);
    EXPECT_FALSE(flags & SDL_WINDOW_POPUP_MENU);
    EXPECT_FALSE(window->isVisible());
    window->show();
    EXPECT_TRUE(window->isVisible());
    SSize size;
    EXPECT_TRUE(window->getClientSize(size));
    EXPECT_EQ(size.width, 16);
    EXPECT_EQ(size.height, 8);

    std::vector<std::uint32_t> picture(16 * 8);
    for (std::uint32_t i = 0; i < picture.size(); ++i)
        picture[i] = 0xFF000000 | (i * 0x010203);
    window->present(picture.data(), SSize{16, 8}, 16, SArea{0, 0, 16, 8});
    SDL_Surface *surface = SDL_GetWindowSurface(made);
    ASSERT_NE(surface, nullptr);
    std::vector<std::uint32_t> shown(16 * 8);
    ASSERT_EQ(SDL_ConvertPixels(16, 8, surface->format->format, surface->pixels, surface->pitch,
                                SDL_PIXELFORMAT_ARGB8888, shown.data(), 16 * 4),
              0);
    for (std::uint32_t &pixel : shown)
        pixel |= 0xFF000000; // a window surface may have no alpha of its own
    EXPECT_EQ(shown, picture);

    // After a resize the surface is made again at the new size, and presenting fills it.
    window->resize(SSize{4, 2});
    drain();
    window->present(picture.data(), SSize{16, 8}, 16, SArea{0, 0, 16, 8});
    surface = SDL_GetWindowSurface(made);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->w, 4);
    std::uint32_t corner = 0;
    SDL_ConvertPixels(1, 1, surface->format->format, surface->pixels, surface->pitch, SDL_PIXELFORMAT_ARGB8888,
                      &corner, 4);
    EXPECT_EQ(corner & 0xFFFFFF, picture[0] & 0xFFFFFF);
    window.reset();
    EXPECT_EQ(SDL_GetWindowFromID(SDL_GetWindowID(made)), nullptr);
}

TEST_F(SdlDriver, TheQuitRequestComesBehindQueuedEventsAndStays)
{
    push(eventFor(sdlWindow(), SDL_WINDOWEVENT));
    SDL_Event exposed = eventFor(sdlWindow(), SDL_WINDOWEVENT);
    exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
    push(exposed);
    driver.postQuit(7);
    EXPECT_EQ(driver.dispatchMessage(true), EDispatch::DISPATCHED);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].kind, EMessageKind::EXPOSED);
    EXPECT_EQ(recorder.messages[0].area.width, 16); // the whole window
    EXPECT_EQ(recorder.messages[0].area.height, 8);
    EXPECT_EQ(driver.dispatchMessage(true), EDispatch::QUIT);
    EXPECT_EQ(driver.getQuitCode(), 7);
    EXPECT_EQ(driver.dispatchMessage(true), EDispatch::QUIT);
    driver.resetQuit();
    driver.postQuit(8); // forgotten by the reset with the rest of the request
    driver.resetQuit();
    EXPECT_EQ(driver.dispatchMessage(false), EDispatch::EMPTY);
}

TEST_F(SdlDriver, InputForDisabledOrDestroyedWindowsIsDropped)
{
    SDL_Event press = eventFor(sdlWindow(), SDL_MOUSEBUTTONDOWN);
    press.button.button = SDL_BUTTON_LEFT;
    press.button.clicks = 1;
    window->setEnabled(false);
    push(press);
    EXPECT_EQ(drain(), 0);
    window->setEnabled(true);
    push(press);
    EXPECT_EQ(drain(), 1);
    EXPECT_EQ(recorder.messages.back().kind, EMessageKind::BUTTON_DOWN);
    const SDL_Event close = [&]
    {
        SDL_Event event = eventFor(sdlWindow(), SDL_WINDOWEVENT);
        event.window.event = SDL_WINDOWEVENT_CLOSE;
        return event;
    }();
    window.reset();
    push(close);
    EXPECT_EQ(drain(), 0);
}

TEST_F(SdlDriver, DroppedFilesArriveAsOneMessageAndSdlTextsAreFreed)
{
    push(eventFor(sdlWindow(), SDL_DROPBEGIN));
    for (const char *path : {"/a.wav", "/b.wav", "/c.wav"})
    {
        SDL_Event file{};
        file.type = SDL_DROPFILE;
        file.drop.windowID = sdlWindow().getId();
        file.drop.file = SDL_strdup(path);
        push(file);
    }
    SDL_Event text{};
    text.type = SDL_DROPTEXT;
    text.drop.file = SDL_strdup("text");
    SDL_PushEvent(&text); // switched off by the backend: SDL may refuse it
    push(eventFor(sdlWindow(), SDL_DROPCOMPLETE));
    EXPECT_EQ(drain(), 1);
    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].kind, EMessageKind::FILES_DROPPED);
    EXPECT_EQ(recorder.messages[0].paths, (std::vector<std::string>{"/a.wav", "/b.wav", "/c.wav"}));
}

TEST_F(SdlDriver, TimersPushEventsThatEndWhenTheTimerStops)
{
    window->startTimer(5, 1);
    const std::uintptr_t key = driver.getTimerKey(sdlWindow(), 5);
    ASSERT_NE(key, 0U);
    EXPECT_EQ(driver.dispatchMessage(true), EDispatch::DISPATCHED); // sleeps until the timer's event comes
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_EQ(recorder.messages[0].kind, EMessageKind::TIMER);
    EXPECT_EQ(recorder.messages[0].timerId, 5);

    window->startTimer(5, 100000); // a restart is a new timer: events of the old one go nowhere
    EXPECT_NE(driver.getTimerKey(sdlWindow(), 5), key);
    window->stopTimer(5);
    EXPECT_EQ(driver.getTimerKey(sdlWindow(), 5), 0U);
    SDL_Event late{};
    late.type = getUserEventBase() + USER_EVENT_TIMER;
    late.user.data1 = reinterpret_cast<void *>(key);
    push(late);
    recorder.messages.clear();
    drain();
    EXPECT_TRUE(recorder.messages.empty());

    CSdlTimers timers; // a window's timers stop with it
    ASSERT_TRUE(timers.start(1, 2, 100000));
    ASSERT_TRUE(timers.start(3, 2, 100000));
    const std::uintptr_t kept = timers.getKey(3, 2);
    timers.stopWindow(1);
    std::uint32_t windowId = 0;
    long id = 0;
    EXPECT_EQ(timers.getKey(1, 2), 0U);
    EXPECT_TRUE(timers.find(kept, windowId, id));
    EXPECT_EQ(windowId, 3U);
    EXPECT_EQ(id, 2);
}

TEST_F(SdlDriver, PopupMenusAreBorderlessTopmostAndSkipTheTaskbar)
{
    SRecorder popupRecorder;
    std::string error;
    auto popup = driver.createWindow(description(0x80000000, 0x08080008), popupRecorder, error);
    ASSERT_TRUE(popup) << error;
    const Uint32 flags = SDL_GetWindowFlags(dynamic_cast<CSdlWindow &>(*popup).getSdlWindow());
    for (Uint32 flag : {SDL_WINDOW_POPUP_MENU, SDL_WINDOW_BORDERLESS, SDL_WINDOW_ALWAYS_ON_TOP,
                        SDL_WINDOW_SKIP_TASKBAR, SDL_WINDOW_HIDDEN})
        EXPECT_TRUE(flags & flag) << std::hex << flag;
    EXPECT_FALSE(flags & SDL_WINDOW_RESIZABLE);
    driver.setCursor(EStockCursor::HAND); // made on first use, freed when the backend stops
    driver.setCursor(EStockCursor::HAND);
    driver.beep();                        // no X display here: nothing happens
    SArea screen;
    EXPECT_TRUE(driver.getScreenArea(SPoint{-5000, 0}, screen));
    EXPECT_EQ(screen.width, 1024); // the dummy driver's one display
    // A backend that stops first takes the SDL windows with it; the objects stay harmless.
    driver.stop();
    popup->show();
    EXPECT_FALSE(popup->isVisible());
    SSize size;
    EXPECT_FALSE(popup->getClientSize(size));
}

TEST(SdlDriverWithoutDisplay, AnswersAtOnceAndNeverWaitsForever)
{
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    {
        CSdlDriver driver;
        std::string reason;
        EXPECT_FALSE(driver.start(reason));
        EXPECT_NE(reason.find("no-such-driver"), std::string::npos) << reason;
        SRecorder recorder;
        std::string error;
        EXPECT_EQ(driver.createWindow(description(), recorder, error), nullptr);
        EXPECT_EQ(error, reason);
        EXPECT_EQ(driver.dispatchMessage(false), EDispatch::EMPTY);
        EXPECT_THROW(driver.dispatchMessage(true), std::runtime_error);
        driver.postQuit(2);
        EXPECT_EQ(driver.dispatchMessage(true), EDispatch::QUIT);
        EXPECT_EQ(driver.getQuitCode(), 2);
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
}

TEST(SdlDriverPrepared, StartsItsEventsFirstAndLetsGoOfSdlWholeAtTheProcessShutdown)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    stopVideo(); // forgets a failed start of an earlier test
    CSdlDriver driver;
    driver.prepare();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u) << "preparing started the display";
    EXPECT_NE(SDL_WasInit(SDL_INIT_EVENTS), 0u);
    std::string reason;
    ASSERT_TRUE(driver.start(reason)) << reason;
    driver.prepare(); // once is enough: nothing changes
    driver.stop();
    Corvane::Basics::CProcessServices::shutdown();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u) << "SDL kept a subsystem after the shutdown";
}
