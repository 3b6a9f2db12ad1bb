#pragma once

namespace Corvane::Orvo
{
/** The compose file named for Xlib's input method when the user names none: an empty one. */
constexpr const char *EMPTY_COMPOSE_FILE = "/dev/null";

/**
 * The calculator's fields take numbers, and no compose sequence is needed to type a digit, a
 * point or a minus sign. Xlib's input method, which SDL opens as its video starts, would otherwise
 * parse the locale's compose table (half a megabyte of text in UTF-8 locales) at every start, about
 * 13 ms of it. So unless XCOMPOSEFILE names a compose file already, it names EMPTY_COMPOSE_FILE.
 * Called before the display is reached, while the program has one thread.
 */
void leaveOutComposeTable();
} // namespace Corvane::Orvo
