#pragma once

#include <string>

struct SDL_Window;

namespace Corvane::Platform
{
/**
 * The few X11 calls SDL 2 does not offer. They go through libX11 only when SDL has already
 * loaded it (it does when it runs on X11) and to the display of an SDL window; anywhere else
 * (Wayland, the dummy driver) they do nothing. The framework links no X11 library of its own.
 */

/** Rings the X bell on the display of @p window. */
void ringX11Bell(SDL_Window *window);

/** Sets the X11 WM_CLASS of @p window (which the window manager groups windows by) to @p className. */
void setX11WindowClass(SDL_Window *window, const std::string &className);
} // namespace Corvane::Platform
