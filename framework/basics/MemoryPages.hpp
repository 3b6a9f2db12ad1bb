#pragma once

#include <cstddef>

namespace Corvane::Basics
{
/**
 * Makes the pages that hold @p bytes from @p start present and writable in one call, as writing to
 * each of them would, without changing what they hold. A picture about to be drawn all over is
 * made this way rather than by one page fault for each of its pages as the drawing reaches them,
 * which costs several times as long. False when the system cannot (before Linux 5.14, say): the
 * pages then come with the first writes, as usual.
 */
bool prefaultPages(void *start, std::size_t bytes);
} // namespace Corvane::Basics
