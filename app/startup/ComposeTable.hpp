#pragma once

namespace Corvane::Orvo
{
/** The compose file named for Xlib's input method when the user names none: an empty one. */
constexpr const char *EMPTY_COMPOSE_FILE = "/dev/null";

/**
 * The calculator's fields take numbers, and no compose sequence is needed to type a digit, a
 * point or a minus sign. Xlib's input method would otherwise parse the locale's compose table
 * (half a megabyte of text in UTF-8 locales), about 13 ms of it: at every start where SDL opens the
 * input method as its video starts, at the first click into a field where it waits for text input.
 * So unless XCOMPOSEFILE names a compose file already, it names EMPTY_COMPOSE_FILE.
 * Called before the display is reached, while the program has one thread.
 */
void leaveOutComposeTable();
} // namespace Corvane::Orvo
