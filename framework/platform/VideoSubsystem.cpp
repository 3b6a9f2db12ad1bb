#include "framework/platform/VideoSubsystem.hpp"

#include "framework/basics/CProcessServices.hpp"
#include "framework/io/Log.hpp"
#include "framework/platform/CErrorOutputCapture.hpp"
#include "framework/platform/SdlX11.hpp"
#include "framework/platform/SessionBus.hpp"

#include <SDL.h>
#include <cstdlib>
#include <cstring>

namespace Corvane::Platform
{
namespace
{
constexpr const char *VIDEO_SERVICE = "video";
constexpr const char *EVENTS_SERVICE = "events";

enum class VideoState
{
    NOT_STARTED,
    RUNNING,
    FAILED
};

VideoState &videoState()
{
    static VideoState state = VideoState::NOT_STARTED;
    return state;
}

/** SDL_Quit lets go of what SDL shares between its subsystems (its D-Bus connection). */
void quitSdlWhenUnused()
{
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
        SDL_Quit();
}

void stopEvents()
{
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
    quitSdlWhenUnused();
    Basics::CProcessServices::withdrawService(EVENTS_SERVICE);
}
} // namespace

std::string describeVideoFailure(const std::string &error, const char *display, const std::string &complaints)
{
    std::string reason = error;
    if (display != nullptr && *display != '\0')
        reason += std::string(" (DISPLAY=") + display + ")";
    std::string said; // the complaints' lines, without blank ones, on one line
    for (std::size_t start = 0; start < complaints.size();)
    {
        std::size_t end = complaints.find('\n', start);
        if (end == std::string::npos)
            end = complaints.size();
        const std::size_t last = end > start ? complaints.find_last_not_of(" \t\r", end - 1) : std::string::npos;
        if (last != std::string::npos && last >= start)
            said += (said.empty() ? "" : "; ") + complaints.substr(start, last + 1 - start);
        start = end + 1;
    }
    return said.empty() ? reason : reason + ": " + said;
}

bool startVideo()
{
    VideoState &state = videoState();
    if (state == VideoState::NOT_STARTED)
    {
        // Windows then paint through plain shared memory: SDL's default goes through OpenGL,
        // which on X11 costs several times the start-up time and memory for a window like ours.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        // A calculator left open beside other work must not keep the screen awake, which SDL
        // otherwise sees to for as long as its video runs.
        SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
        // SDL would take the pointer at every press for the window with the keyboard focus: a
        // press in a menu, which never has it, would then see its release go to the main window.
        // The capture is asked for where it belongs (CSdlDriver::captureMouse).
        SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
        // A click into a window in the background acts as well as bringing it forward, as on the
        // platforms the framework comes from: SDL would drop a press that came with the focus.
        SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
        // The menus are popups placed in screen coordinates, which SDL 2 cannot place on native
        // Wayland: there the program runs through XWayland, unless SDL_VIDEODRIVER says otherwise.
        const char *chosenDriver = std::getenv("SDL_VIDEODRIVER");
        if (chosenDriver == nullptr)
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        if (chosenDriver == nullptr || std::strcmp(chosenDriver, "x11") == 0)
            tolerateErrorsAboutGoneX11Windows();
        refuseSessionBusLaunch();
        // Xlib prints why a server refused the connection: that goes into SDL's reason instead.
        CErrorOutputCapture complaints;
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
        {
            state = VideoState::RUNNING;
            Basics::CProcessServices::registerService(VIDEO_SERVICE, stopVideo);
            const char *driver = SDL_GetCurrentVideoDriver();
            if (driver != nullptr && std::strcmp(driver, "x11") == 0)
                endProgramWhenX11ConnectionBreaks();
        }
        else
        {
            const std::string reason = describeVideoFailure(SDL_GetError(), std::getenv("DISPLAY"), complaints.take());
            SDL_SetError("%s", reason.c_str());
            IO::logMessage("No display: the video subsystem cannot start: %s", reason.c_str());
            state = VideoState::FAILED;
        }
    }
    return state == VideoState::RUNNING;
}

bool startEvents()
{
    if ((SDL_WasInit(SDL_INIT_EVENTS) & SDL_INIT_EVENTS) != 0)
        return true;
    refuseSessionBusLaunch();
    if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0)
        return false;
    Basics::CProcessServices::registerService(EVENTS_SERVICE, stopEvents);
    return true;
}

void stopVideo()
{
    if (videoState() == VideoState::RUNNING)
    {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        quitSdlWhenUnused();
    }
    videoState() = VideoState::NOT_STARTED;
    Basics::CProcessServices::withdrawService(VIDEO_SERVICE);
}

bool isVideoRunning()
{
    return videoState() == VideoState::RUNNING;
}
} // namespace Corvane::Platform
