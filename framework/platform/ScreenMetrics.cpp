#include "framework/platform/ScreenMetrics.hpp"

#include "framework/io/Log.hpp"
#include "framework/platform/VideoSubsystem.hpp"

#include <SDL.h>

namespace Corvane::Platform
{
namespace
{
constexpr int PRIMARY_DISPLAY = 0;
} // namespace

int getNumberOfDisplays()
{
    if (!startVideo())
        return 0;
    const int displays = SDL_GetNumVideoDisplays();
    return displays > 0 ? displays : 0;
}

bool getPrimaryDisplaySize(int &width, int &height)
{
    width = 0;
    height = 0;
    if (!startVideo())
        return false;
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(PRIMARY_DISPLAY, &mode) != 0)
    {
        IO::logMessage("The primary display has no desktop mode: %s", SDL_GetError());
        return false;
    }
    width = mode.w;
    height = mode.h;
    return true;
}
} // namespace Corvane::Platform
