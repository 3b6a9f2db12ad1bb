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

/**
 * Keeps the program alive when the X server reports a request about a window that is gone. SDL
 * sends such requests on its own (a wake-up for the window it waited on, answers to the window
 * manager), and one can reach the server just after the program destroyed the window it names;
 * Xlib's default handler would end the program for that. Every other error still goes to
 * Xlib's default handler. Call it before SDL's video starts on X11, so that SDL's own handler
 * passes errors on to this one and puts it back when video stops. Does nothing without libX11.
 */
void tolerateErrorsAboutGoneX11Windows();

/**
 * Ends the program at once when its connection to the X server is lost (the server stopped, the
 * session ended). Xlib's default handler would call exit(), whose handlers stop SDL's video, and
 * SDL then waits for ever, at full speed, for an answer from the server that is gone. Call it
 * before SDL's video starts on X11. Does nothing without libX11.
 */
void endAtOnceWhenX11ConnectionIsLost();

/**
 * What the program does once its X connection is lost: says so on the standard error and ends
 * with status 1, running no exit handlers, for they would talk to the server that is gone.
 */
[[noreturn]] void endAfterLostX11Connection();

/** Rings the X bell on the display of @p window. */
void ringX11Bell(SDL_Window *window);

/** Sets the X11 WM_CLASS of @p window (which the window manager groups windows by) to @p className. */
void setX11WindowClass(SDL_Window *window, const std::string &className);
} // namespace Corvane::Platform
