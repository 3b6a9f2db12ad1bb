#include "framework/basics/CString.hpp"

#include "framework/basics/CPascalString.hpp"
#include "framework/basics/NumericLocale.hpp"
#include "framework/basics/TextBuffer.hpp"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace Corvane::Basics
{
CORVANE_DEFINE_CLASS(CString, "CString", "CCountedObject")

namespace
{
char *copyOf(const char *text, std::size_t length)
{
    char *copy = new char[length + 1];
    std::memcpy(copy, text, length);
    copy[length] = '\0';
    return copy;
}
} // namespace

CString::CString() : m_text(copyOf("", 0)), m_size(1) {}

CString::CString(const char *text)
{
    const char *source = text != nullptr ? text : " ";
    const std::size_t length = std::strlen(source);
    m_text = copyOf(source, length);
    m_size = static_cast<std::int32_t>(length + 1);
}

CString::CString(const CString &other)
    : CCountedObject(other), TInstanceCounter<CString>(other), m_text(copyOf(other.m_text, other.m_size - 1)),
      m_size(other.m_size)
{
}

CString::CString(CString &&other) noexcept : CString()
{
    std::swap(m_text, other.m_text);
    std::swap(m_size, other.m_size);
}

CString::~CString()
{
    delete[] m_text;
}

void CString::adopt(char *text, std::size_t length)
{
    delete[] m_text;
    m_text = text;
    m_size = static_cast<std::int32_t>(length + 1);
}

void CString::assign(const char *text, std::size_t length)
{
    adopt(copyOf(text, length), length);
}

void CString::getObjectDescription(char *text, long size) const
{
    getString(text, size);
}

CString &CString::operator=(bool value)
{
    setString(value ? "True" : "False");
    return *this;
}

CString &CString::operator=(long value)
{
    setStringWithFormat("%.3li", value);
    return *this;
}

CString &CString::operator=(int value)
{
    return *this = static_cast<long>(value);
}

CString &CString::operator=(float value)
{
    setStringWithFormat("%.3f", static_cast<double>(value));
    return *this;
}

CString &CString::operator=(const char *text)
{
    setString(text);
    return *this;
}

CString &CString::operator=(const CString &other)
{
    if (this != &other && *this != other)
        setString(other);
    return *this;
}

CString &CString::operator=(CString &&other) noexcept
{
    std::swap(m_text, other.m_text);
    std::swap(m_size, other.m_size);
    return *this;
}

CString &CString::operator+=(const char *text)
{
    appendString(text);
    return *this;
}

CString &CString::operator+=(const CString &text)
{
    appendString(text);
    return *this;
}

bool CString::operator==(const CString &other) const
{
    return isEqualTo(other);
}

bool CString::operator==(const char *text) const
{
    return isEqualTo(text);
}

bool CString::operator!=(const CString &other) const
{
    return !isEqualTo(other);
}

bool CString::operator!=(const char *text) const
{
    return !isEqualTo(text);
}

bool CString::isSizeZero() const
{
    return m_size == 0;
}

char CString::operator[](long index) const
{
    return characterAt(index);
}

std::unique_ptr<CPascalString> CString::getPascalString() const
{
    return std::make_unique<CPascalString>(m_text, 256);
}

void CString::setString(const CString &other)
{
    setString(other.m_text);
}

void CString::setString(const char *text)
{
    if (text != nullptr)
        assign(text, std::strlen(text));
}

void CString::setStringWithFormat(const char *format, ...)
{
    if (format == nullptr)
        return;
    CNumericLocale numbersWithPoint;
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    if (length >= 0)
    {
        char *text = new char[static_cast<std::size_t>(length) + 1]();
        std::vsnprintf(text, static_cast<std::size_t>(length) + 1, format, arguments);
        adopt(text, static_cast<std::size_t>(length));
    }
    va_end(arguments);
}

void CString::appendString(const CString &other)
{
    appendString(other.m_text);
}

void CString::appendString(const char *text)
{
    if (text == nullptr)
        return;
    const std::size_t length = static_cast<std::size_t>(m_size - 1);
    const std::size_t added = std::strlen(text);
    char *joined = new char[length + added + 1];
    std::memcpy(joined, m_text, length);
    std::memcpy(joined + length, text, added + 1);
    adopt(joined, length + added);
}

void CString::appendCharacter(char character)
{
    const char text[2] = {character, '\0'};
    appendString(text);
}

const char *CString::getString() const
{
    return m_text;
}

void CString::getString(char *buffer, long size) const
{
    copyTextToBuffer(m_text, buffer, size);
}

CString CString::getSubString(long start, long end) const
{
    CString part;
    if (start < 0 || start > end || end > m_size)
        return part;
    const long available = m_size - 1 - start;
    const long wanted = end - start + 1;
    if (available > 0)
        part.assign(m_text + start, static_cast<std::size_t>(wanted < available ? wanted : available));
    return part;
}

long CString::getSize() const
{
    return m_size;
}

char CString::characterAt(long index) const
{
    return index < 0 || index >= m_size ? ' ' : m_text[index];
}

void CString::toUpperCase()
{
    for (char *c = m_text; *c != '\0'; c++)
        *c = toUpper(*c);
}

void CString::toLowerCase()
{
    for (char *c = m_text; *c != '\0'; c++)
        *c = toLower(*c);
}

void CString::removeWhiteSpace()
{
    removeLeadingWhiteSpace();
    removeTrailingWhiteSpace();
}

void CString::removeLeadingWhiteSpace()
{
    const char *start = m_text;
    while (isWhiteSpace(*start))
        start++;
    if (start != m_text)
        assign(start, std::strlen(start));
}

void CString::removeTrailingWhiteSpace()
{
    std::size_t length = static_cast<std::size_t>(m_size - 1);
    while (length > 0 && isWhiteSpace(m_text[length - 1]))
        length--;
    // A text of nothing but white space is deliberately kept as it is.
    if (length > 0 && length != static_cast<std::size_t>(m_size - 1))
        assign(m_text, length);
}

void CString::removeLastCharacter()
{
    if (m_size > 1)
        assign(m_text, static_cast<std::size_t>(m_size - 2));
}

void CString::replaceCharacter(char from, char to)
{
    for (char *c = m_text; *c != '\0'; c++)
        if (*c == from)
            *c = to;
}

void CString::replaceCharacterWithString(char character, const CString &with)
{
    std::string replaced;
    for (const char *c = m_text; *c != '\0'; c++)
    {
        if (*c == character)
            replaced += with.m_text;
        else
            replaced += *c;
    }
    assign(replaced.data(), replaced.size());
}

void CString::replaceStringWithCharacter(char character, const CString &find)
{
    const std::size_t findLength = static_cast<std::size_t>(find.m_size - 1);
    // Each pass shortens the text, except when the find text is the character itself.
    const bool singlePass = findLength == 1 && find.m_text[0] == character;
    for (long position = findString(find); position >= 0; position = findString(find))
    {
        m_text[position] = character;
        std::memmove(m_text + position + 1, m_text + position + findLength,
                     static_cast<std::size_t>(m_size) - static_cast<std::size_t>(position) - findLength);
        assign(m_text, static_cast<std::size_t>(m_size) - findLength);
        if (singlePass)
            break;
    }
}

bool CString::isEqualTo(const CString &other) const
{
    return m_size == other.m_size && std::memcmp(m_text, other.m_text, static_cast<std::size_t>(m_size)) == 0;
}

bool CString::isEqualTo(const char *text) const
{
    return text != nullptr && std::strcmp(m_text, text) == 0;
}

bool CString::isEqualToIgnoringCase(const CString &other) const
{
    return isEqualToIgnoringCase(other.m_text);
}

bool CString::isEqualToIgnoringCase(const char *text) const
{
    if (text == nullptr)
        return false;
    const char *c = m_text;
    for (; *c != '\0' && *text != '\0'; c++, text++)
        if (toLower(*c) != toLower(*text))
            return false;
    return *c == *text;
}

long CString::findFirst(char character) const
{
    const void *found = std::memchr(m_text, character, static_cast<std::size_t>(m_size));
    return found != nullptr ? static_cast<const char *>(found) - m_text : -1;
}

long CString::findLast(char character) const
{
    for (long index = m_size - 1; index >= 0; index--)
        if (m_text[index] == character)
            return index;
    return -1;
}

long CString::findString(const CString &what) const
{
    if (what.m_size <= 1)
        return -1;
    const char *found = std::strstr(m_text, what.m_text);
    return found != nullptr ? found - m_text : -1;
}

double CString::toDouble(const char *text)
{
    return text != nullptr ? ::strtod_l(text, nullptr, CNumericLocale::pointLocale()) : 0.0;
}

long CString::toLong(const char *text)
{
    if (text == nullptr)
        return 0;
    const long long value = std::strtoll(text, nullptr, 10);
    constexpr long long lowest = std::numeric_limits<std::int32_t>::min();
    constexpr long long highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<long>(value < lowest ? lowest : value > highest ? highest : value);
}

CString CString::floatToString(float value)
{
    CString text;
    text = value;
    return text;
}

CString CString::longToString(long value)
{
    CString text;
    text = value;
    return text;
}

char CString::toUpper(char character)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
}

char CString::toLower(char character)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
}

bool CString::isWhiteSpace(char character)
{
    return character == ' ' || (character >= 9 && character <= 13);
}
} // namespace Corvane::Basics
