#pragma once

#include "framework/basics/CString.hpp"

namespace Corvane::Host
{
/** The number of displays; 0 without a display. */
int getNumberOfMonitors();
/** The primary display's size in pixels; 0 without a display. */
int getScreenWidth();
int getScreenHeight();
/**
 * The width and height of the border a window draws inside its own area: none here, since the
 * window manager draws every frame outside the client area.
 */
int getBorderWidth();
int getBorderHeight();

/**
 * The folder of the system's own libraries, the one the C library was loaded from (such as
 * /lib/x86_64-linux-gnu), without a final separator. False, leaving @p folder alone, when it
 * cannot be found.
 */
bool getWindowsFolder(Basics::CString &folder);
/** $TMPDIR when set, else /tmp/; always with a final separator. */
void getTempFolder(Basics::CString &folder);
} // namespace Corvane::Host
