#include "framework/gui/controls/CTextRuler.hpp"

#include "framework/gui/controls/Utf8Text.hpp"
#include "framework/gui/graphics/TextMeasure.hpp"

#include <vector>

namespace Corvane::GUI::Controls
{
CTextRuler::CTextRuler(Graphics::CFont *font) : m_font(font)
{
    setText(std::string());
}

void CTextRuler::setText(const std::string &text)
{
    if (text == m_text && !m_widths.empty())
        return;
    m_text = text;
    m_widths.clear();
    m_widths[0] = 0;
    // Any line holds a character's height; an empty one would measure nothing.
    m_lineHeight = Graphics::measureTextBlock(text.empty() ? " " : text.c_str(), m_font.get(), 0).getHeight();
}

long CTextRuler::getWidthBefore(std::size_t offset)
{
    const auto known = m_widths.find(offset);
    if (known != m_widths.end())
        return known->second;
    const long width = measure(m_text.substr(0, offset));
    m_widths[offset] = width;
    return width;
}

std::size_t CTextRuler::getBoundaryNearest(double x)
{
    std::vector<std::size_t> boundaries{0};
    for (std::size_t offset = 0; offset < m_text.size();)
        boundaries.push_back(offset = Utf8Text::nextCharacter(m_text, offset));
    // Widths grow with the offset: find the first boundary at or past x, then the nearer of it and the one before.
    std::size_t low = 0;
    std::size_t high = boundaries.size() - 1;
    while (low < high)
    {
        const std::size_t middle = (low + high) / 2;
        if (getWidthBefore(boundaries[middle]) < x)
            low = middle + 1;
        else
            high = middle;
    }
    if (low > 0 && x - getWidthBefore(boundaries[low - 1]) < getWidthBefore(boundaries[low]) - x)
        --low;
    return boundaries[low];
}

long CTextRuler::measure(const std::string &text) const
{
    return Graphics::measureTextBlock(text.c_str(), m_font.get(), 0).getWidth();
}
} // namespace Corvane::GUI::Controls
