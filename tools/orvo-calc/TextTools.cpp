#include "tools/orvo-calc/TextTools.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace Corvane::Orvo::Calc
{
namespace
{
constexpr std::size_t ECHO_LIMIT = 64;

/** The lead bytes of UTF-8 characters of more than one byte, with the lowest code point each may encode. */
struct SUtf8Lead
{
    unsigned char first;
    unsigned char last;
    std::size_t length;
    unsigned lowest;
};
constexpr SUtf8Lead UTF8_LEADS[] = {{0xC2, 0xDF, 2, 0x80}, {0xE0, 0xEF, 3, 0x800}, {0xF0, 0xF4, 4, 0x10000}};

/** The length of the valid UTF-8 character at @p text[at], or 0 when none starts there. */
std::size_t characterLength(const std::string &text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return 1;
    for (const SUtf8Lead &kind : UTF8_LEADS)
    {
        if (lead < kind.first || lead > kind.last || at + kind.length > text.size())
            continue;
        unsigned codePoint = lead & (0x3Fu >> (kind.length - 1));
        for (std::size_t next = 1; next < kind.length; next++)
        {
            const auto byte = static_cast<unsigned char>(text[at + next]);
            if ((byte & 0xC0) != 0x80)
                return 0;
            codePoint = codePoint << 6 | (byte & 0x3Fu);
        }
        const bool isSurrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        return codePoint >= kind.lowest && codePoint <= 0x10FFFF && !isSurrogate ? kind.length : 0;
    }
    return 0;
}

std::string escapedByte(char byte)
{
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(byte));
    return escape;
}

bool isControl(char byte)
{
    const auto code = static_cast<unsigned char>(byte);
    return code < 0x20 || code == 0x7F;
}
} // namespace

std::string shortestNumber(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string echoedArgument(const std::string &argument)
{
    std::string echoed;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < argument.size(); characters++)
    {
        if (characters == ECHO_LIMIT)
            return echoed + "...";
        const std::size_t length = characterLength(argument, at);
        if (length == 0 || isControl(argument[at]) || argument[at] == '\\')
        {
            echoed += escapedByte(argument[at]);
            at++;
        }
        else
        {
            echoed.append(argument, at, length);
            at += length;
        }
    }
    return echoed;
}

std::size_t characterCount(const std::string &text)
{
    std::size_t count = 0;
    for (char byte : text)
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}
} // namespace Corvane::Orvo::Calc
