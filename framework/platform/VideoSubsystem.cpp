#include "framework/platform/VideoSubsystem.hpp"

#include "framework/io/Log.hpp"

#include <SDL.h>
#include <cstdlib>

namespace Corvane::Platform
{
namespace
{
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
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
        {
            // SDL keeps threads and a display connection: they are let go before the process ends.
            [[maybe_unused]] static const int stopsAtExit = std::atexit(stopVideo);
            state = VideoState::RUNNING;
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
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    videoState() = VideoState::NOT_STARTED;
}

bool isVideoRunning()
{
    return videoState() == VideoState::RUNNING;
}
} // namespace Corvane::Platform
