#include "framework/basics/CStringTokeniser.hpp"

#include "framework/basics/CString.hpp"
#include "framework/basics/TextBuffer.hpp"

#include <cstring>

namespace Corvane::Basics
{
CORVANE_DEFINE_CLASS(CStringTokeniser, "CStringTokeniser", "CCountedObject")

CStringTokeniser::CStringTokeniser() = default;

CStringTokeniser::CStringTokeniser(const char *text)
{
    setString(text);
}

CStringTokeniser::CStringTokeniser(const CString &text) : CStringTokeniser(text.getString()) {}

CStringTokeniser::CStringTokeniser(const CString &text, char delimiter)
    : CStringTokeniser(text.getString(), delimiter)
{
}

CStringTokeniser::CStringTokeniser(const char *text, char delimiter) : m_delimiter(delimiter)
{
    setString(text);
    countTokens();
}

void CStringTokeniser::restart()
{
    // A count made for another text or delimiter says nothing about this one.
    m_numberOfTokens = 0;
    m_tokensHandedOut = 0;
    m_readPosition = 0;
}

long CStringTokeniser::countTokens()
{
    m_numberOfTokens = 0;
    bool afterDelimiter = true;
    for (const char *c = m_text; *c != '\0'; c++)
    {
        if (*c == m_delimiter)
            afterDelimiter = true;
        else if (afterDelimiter)
        {
            m_numberOfTokens++;
            afterDelimiter = false;
        }
    }
    return m_numberOfTokens;
}

bool CStringTokeniser::hasMoreTokens() const
{
    return m_tokensHandedOut != m_numberOfTokens;
}

void CStringTokeniser::setDelimiter(char delimiter)
{
    m_delimiter = delimiter;
    restart();
}

void CStringTokeniser::setString(const char *text)
{
    copyTextToBuffer(text, m_text, sizeof m_text);
    restart();
}

std::unique_ptr<char[]> CStringTokeniser::getNextToken()
{
    if (!hasMoreTokens())
        return nullptr;
    const char *start = m_text + m_readPosition;
    const char *end = start;
    while (*end != '\0' && *end != m_delimiter)
        end++;
    const std::size_t length = static_cast<std::size_t>(end - start);
    auto token = std::make_unique<char[]>(length + 1);
    std::memcpy(token.get(), start, length);
    m_readPosition += static_cast<std::int32_t>(length) + (*end == m_delimiter && *end != '\0' ? 1 : 0);
    m_tokensHandedOut++;
    return token;
}

bool CStringTokeniser::getNextToken(CString &token)
{
    std::unique_ptr<char[]> next = getNextToken();
    if (!next)
        return false;
    token.setString(next.get());
    return true;
}
} // namespace Corvane::Basics
