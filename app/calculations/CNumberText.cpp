#include "app/calculations/CNumberText.hpp"

#include <charconv>

namespace Corvane::Orvo
{
CNumberText::CNumberText(double decimal)
{
    *std::to_chars(m_text, m_text + sizeof m_text - 1, decimal, std::chars_format::fixed, 2).ptr = '\0';
}

CNumberText::CNumberText(long whole)
{
    *std::to_chars(m_text, m_text + sizeof m_text - 1, whole).ptr = '\0';
}
} // namespace Corvane::Orvo
