#include "framework/basics/CPascalString.hpp"

#include <cstring>

namespace Corvane::Basics
{
CORVANE_DEFINE_CLASS(CPascalString, "CPascalString", "CCountedObject")

CPascalString::CPascalString(const char *text, long bufferSize)
{
    if (bufferSize < 2)
        return;
    m_buffer = std::make_unique<unsigned char[]>(static_cast<std::size_t>(bufferSize));
    const std::size_t length = text != nullptr ? std::strlen(text) : 0;
    std::size_t kept = length < 255 ? length : 255;
    if (kept > static_cast<std::size_t>(bufferSize) - 2)
        kept = static_cast<std::size_t>(bufferSize) - 2;
    m_buffer[0] = static_cast<unsigned char>(kept);
    if (kept > 0)
        std::memcpy(m_buffer.get() + 1, text, kept);
}
} // namespace Corvane::Basics
