#include "app/calculations/CNumberText.hpp"

#include <charconv>
#include <cstring>

namespace Corvane::Orvo
{
CNumberText::CNumberText(double decimal)
{
    *std::to_chars(m_text, m_text + sizeof m_text - 1, decimal, std::chars_format::fixed, 2).ptr = '\0';
    // A value that rounds to nothing has no sign to show: -0.004 is "0.00", not "-0.00".
    if (m_text[0] == '-' && m_text[std::strspn(m_text + 1, "0.") + 1] == '\0')
        std::memmove(m_text, m_text + 1, std::strlen(m_text));
}

CNumberText::CNumberText(long whole)
{
    *std::to_chars(m_text, m_text + sizeof m_text - 1, whole).ptr = '\0';
}
} // namespace Corvane::Orvo
