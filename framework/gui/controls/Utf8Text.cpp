#include "framework/gui/controls/Utf8Text.hpp"

#include <cctype>

namespace Corvane::GUI::Controls::Utf8Text
{
namespace
{
bool continuesCharacter(const std::string &text, std::size_t offset)
{
    return offset < text.size() && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80;
}
} // namespace

std::size_t nextCharacter(const std::string &text, std::size_t offset)
{
    if (offset >= text.size())
        return text.size();
    do
        ++offset;
    while (continuesCharacter(text, offset));
    return offset;
}

std::size_t previousCharacter(const std::string &text, std::size_t offset)
{
    return offset == 0 ? 0 : characterStart(text, offset - 1);
}

std::size_t characterStart(const std::string &text, std::size_t offset)
{
    if (offset >= text.size())
        return text.size();
    while (offset > 0 && continuesCharacter(text, offset))
        --offset;
    return offset;
}

std::size_t countCharacters(const std::string &text)
{
    std::size_t count = 0;
    for (std::size_t offset = 0; offset < text.size(); offset = nextCharacter(text, offset))
        ++count;
    return count;
}

std::size_t bytesOfCharacters(const std::string &text, std::size_t count)
{
    std::size_t offset = 0;
    for (; count > 0 && offset < text.size(); --count)
        offset = nextCharacter(text, offset);
    return offset;
}

bool isWordCharacter(const std::string &text, std::size_t offset)
{
    if (offset >= text.size())
        return false;
    const auto byte = static_cast<unsigned char>(text[offset]);
    return byte >= 0x80 || std::isalnum(byte) != 0 || byte == '_';
}

std::size_t nextWordEnd(const std::string &text, std::size_t offset)
{
    while (offset < text.size() && !isWordCharacter(text, offset))
        offset = nextCharacter(text, offset);
    while (offset < text.size() && isWordCharacter(text, offset))
        offset = nextCharacter(text, offset);
    return offset;
}

std::size_t previousWordStart(const std::string &text, std::size_t offset)
{
    while (offset > 0 && !isWordCharacter(text, previousCharacter(text, offset)))
        offset = previousCharacter(text, offset);
    while (offset > 0 && isWordCharacter(text, previousCharacter(text, offset)))
        offset = previousCharacter(text, offset);
    return offset;
}

std::string firstLine(const std::string &text)
{
    return text.substr(0, text.find_first_of("\r\n"));
}
} // namespace Corvane::GUI::Controls::Utf8Text
