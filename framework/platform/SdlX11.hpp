#pragma once

#include <string>

struct SDL_Window;

namespace Corvane::Platform
{
/**
 * The few X11 calls SDL 2 does not offer. They go through the libX11 SDL uses, linked into the
 * program with SDL or loaded by it, and to the display of an SDL window; anywhere else (Wayland,
 * the dummy driver) they do nothing. The framework links no X11 library of its own.
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
 * Makes a broken connection to the X server (the server ended or was killed) end the program at
 * once with one line on standard error and a failure status, instead of Xlib's default, whose
 * exit lets the program's exit work talk to the dead server. Call it once SDL's video runs, so
 * that the handler stays the one Xlib calls whatever SDL installed. Does nothing without libX11.
 */
void endProgramWhenX11ConnectionBreaks();

/**
 * Asks the X server to map @p window and raise it, and returns at once: SDL's own show waits until
 * the window manager has mapped it. False when @p window is not an X11 window.
 */
bool requestX11Map(SDL_Window *window);

/**
 * The serial number the X server gives the next request on the connection of @p window; 0 when
 * @p window is not an X11 window.
 */
unsigned long getNextX11Request(SDL_Window *window);

/**
 * Takes out of Xlib's queue the exposures of @p window that the X server reported before it
 * processed request @p serial. A picture put whole into the window from that request on has
 * already shown again what they uncovered: the exposure of a newly mapped window, above all,
 * which arrives while the window's first picture is on its way. Only exposures the server
 * reported later (the window was covered, or not yet viewable, when the picture came) stay.
 */
void dropX11ExposuresBefore(SDL_Window *window, unsigned long serial);

/**
 * Takes out of Xlib's queue the notices that @p window was mapped which the X server sent before
 * it processed request @p serial. SDL's own show waits for that notice and takes it; a window
 * mapped through requestX11Map() and then given to SDL's show would leave it queued, and SDL,
 * reading it later, would count the window shown even after it was hidden.
 */
void dropX11MapNoticesBefore(SDL_Window *window, unsigned long serial);

/** Rings the X bell on the display of @p window. */
void ringX11Bell(SDL_Window *window);

/** Sets the X11 WM_CLASS of @p window (which the window manager groups windows by) to @p className. */
void setX11WindowClass(SDL_Window *window, const std::string &className);
} // namespace Corvane::Platform
