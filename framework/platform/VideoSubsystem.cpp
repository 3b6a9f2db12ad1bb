#include "framework/platform/VideoSubsystem.hpp"

#include "framework/basics/CProcessServices.hpp"
#include "framework/io/Log.hpp"
#include "framework/platform/SdlX11.hpp"

#include <SDL.h>
#include <cstdlib>
#include <cstring>

namespace Corvane::Platform
{
namespace
{
constexpr const char *VIDEO_SERVICE = "video";

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
} // namespace

bool startVideo()
{
    VideoState &state = videoState();
    if (state == VideoState::NOT_STARTED)
    {
        // Windows then paint through plain shared memory: SDL's default goes through OpenGL,
        // which on X11 costs several times the start-up time and memory for a window like ours.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        // The menus are popups placed in screen coordinates, which SDL 2 cannot place on native
        // Wayland: there the program runs through XWayland, unless SDL_VIDEODRIVER says otherwise.
        const char *chosenDriver = std::getenv("SDL_VIDEODRIVER");
        if (chosenDriver == nullptr)
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
        if (chosenDriver == nullptr || std::strcmp(chosenDriver, "x11") == 0)
        {
            tolerateErrorsAboutGoneX11Windows();
            endAtOnceWhenX11ConnectionIsLost();
        }
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
        {
            state = VideoState::RUNNING;
            Basics::CProcessServices::registerService(VIDEO_SERVICE, stopVideo);
        }
        else
        {
            IO::logMessage("No display: the video subsystem cannot start: %s", SDL_GetError());
            state = VideoState::FAILED;
        }
    }
    return state == VideoState::RUNNING;
}

void stopVideo()
{
    if (videoState() == VideoState::RUNNING)
    {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        // Only SDL_Quit lets go of what SDL shares between its subsystems (its D-Bus connection).
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
            SDL_Quit();
    }
    videoState() = VideoState::NOT_STARTED;
    Basics::CProcessServices::withdrawService(VIDEO_SERVICE);
}

bool isVideoRunning()
{
    return videoState() == VideoState::RUNNING;
}
} // namespace Corvane::Platform
