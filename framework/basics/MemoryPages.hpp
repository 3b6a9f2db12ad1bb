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

/** The smallest block worth giving pages of its own: below it the heap serves better. */
constexpr std::size_t LARGE_BLOCK_BYTES = std::size_t(1) << 20;

/**
 * A zero-filled block of at least @p bytes, present and writable, for a large picture: it is
 * mapped on its own in whole huge pages (2 MiB) where the system offers them to a program that
 * asks. One huge page comes with one fault instead of 512, which on some machines makes a
 * fresh megabyte ready forty times sooner; the rest of the last huge page is the price. Where
 * huge pages are not offered it is an ordinary private mapping. Null when no memory is left.
 * Given back with releaseLargeBlock and the same @p bytes.
 */
void *allocateLargeBlock(std::size_t bytes);

/** Gives back a block from allocateLargeBlock(@p bytes); a null @p block is ignored. */
void releaseLargeBlock(void *block, std::size_t bytes);
} // namespace Corvane::Basics
