#pragma once

#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/graphics/CFont.hpp"

#include <cstddef>
#include <map>
#include <string>

namespace Corvane::GUI::Controls
{
/**
 * Where the characters of a one-line text lie when drawText draws it in a font: the width of the
 * text before each character boundary. Each width is measured on the text's own start, as the
 * text engine lays it out, so kerning and composed characters count as drawn; widths are
 * remembered until the text changes, and a text of n characters needs at most about log2(n)
 * measures to find the boundary under the pointer.
 */
class CTextRuler
{
public:
    /** Measures in @p font, or in the default font at measuring time when null. */
    explicit CTextRuler(Graphics::CFont *font);

    void setText(const std::string &text);
    long getTextWidth() { return getWidthBefore(m_text.size()); }
    /** The height of the text's line, blank or not. */
    long getLineHeight() const { return m_lineHeight; }
    /** The width of the text's first @p offset bytes (a character boundary). */
    long getWidthBefore(std::size_t offset);
    /** The character boundary nearest to @p x pixels from the text's start. */
    std::size_t getBoundaryNearest(double x);

private:
    long measure(const std::string &text) const;

    Basics::TCountedReference<Graphics::CFont> m_font;
    std::string m_text;
    std::map<std::size_t, long> m_widths;
    long m_lineHeight = 0;
};
} // namespace Corvane::GUI::Controls
