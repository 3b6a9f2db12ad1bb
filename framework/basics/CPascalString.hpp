#pragma once

#include "framework/basics/CCountedObject.hpp"

#include <memory>

namespace Corvane::Basics
{
/**
 * A length-prefixed copy of a text: byte 0 holds the length, the text and its zero follow.
 * The length is one byte, so at most 255 characters are kept, and at most bufferSize - 2 so the
 * copy fits the buffer; a buffer too small for an empty text (below 2 bytes) holds nothing.
 */
class CPascalString : public CCountedObject, private TInstanceCounter<CPascalString>
{
public:
    CORVANE_DECLARE_CLASS

    CPascalString(const char *text, long bufferSize);

    /** The buffer, or null when the requested size could not hold even an empty text. */
    const unsigned char *getPascalString() const { return m_buffer.get(); }

private:
    std::unique_ptr<unsigned char[]> m_buffer;
};
} // namespace Corvane::Basics
