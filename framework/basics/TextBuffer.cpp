#include "framework/basics/TextBuffer.hpp"

#include <cstring>

namespace Corvane::Basics
{
void copyTextToBuffer(const char *text, char *buffer, long size)
{
    if (buffer == nullptr || size < 1)
        return;
    std::memset(buffer, 0, static_cast<std::size_t>(size));
    if (text == nullptr)
        return;
    const std::size_t length = std::strlen(text);
    const std::size_t limit = static_cast<std::size_t>(size) - 1;
    std::memcpy(buffer, text, length < limit ? length : limit);
}
} // namespace Corvane::Basics
