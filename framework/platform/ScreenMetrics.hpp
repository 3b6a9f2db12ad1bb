#pragma once

namespace Corvane::Platform
{
/** The number of displays, or 0 when no display can be reached. */
int getNumberOfDisplays();

/**
 * The size in pixels of the primary display's desktop mode; false, and both 0, when no display
 * can be reached (the log says why).
 */
bool getPrimaryDisplaySize(int &width, int &height);
} // namespace Corvane::Platform
