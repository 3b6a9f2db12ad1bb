#pragma once

namespace Corvane::Basics
{
/**
 * Copies a text into a caller's buffer of @p size bytes: the buffer is zero-filled, and at
 * most size - 1 characters are copied, so the result is always terminated. A null buffer or a
 * size below 1 writes nothing; a null text leaves the buffer empty.
 */
void copyTextToBuffer(const char *text, char *buffer, long size);
} // namespace Corvane::Basics
