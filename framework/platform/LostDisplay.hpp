#pragma once

namespace Corvane::Platform
{
/** The status a process ends with when its display goes away under it. */
constexpr int LOST_DISPLAY_STATUS = 1;

/**
 * Ends the process at once because its connection to the display @p displayName broke (the
 * server ended or was killed): one line on standard error names the program and the display, and
 * the status is LOST_DISPLAY_STATUS. Neither exit handlers nor static destructors run: they would
 * close windows through the broken connection, and the windowing library, asked to talk through
 * it again, waits forever or reports the same loss once more. Buffered output is written first.
 */
[[noreturn]] void endForLostDisplay(const char *displayName);
} // namespace Corvane::Platform
