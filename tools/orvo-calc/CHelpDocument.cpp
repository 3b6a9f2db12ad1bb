#include "tools/orvo-calc/CHelpDocument.hpp"

#include "tools/orvo-calc/TextTools.hpp"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace Corvane::Orvo::Calc
{
namespace
{
/** How far the text under a heading is indented. */
constexpr std::size_t SECTION_INDENT = 2;
/** Terms longer than this have their explanation on the next line. */
constexpr std::size_t LONGEST_TERM = 24;
constexpr std::size_t TERM_GAP = 2;

/**
 * @p text wrapped at spaces to PAGE_WIDTH: the first line continues @p line, which already
 * holds its indent and any term, and the others start at column @p indent.
 */
std::string wrapped(std::string line, const std::string &text, std::size_t indent)
{
    std::string result;
    std::size_t start = 0;
    bool isLineEmpty = true;
    while (start < text.size())
    {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (!isLineEmpty && characterCount(line) + 1 + characterCount(word) > CHelpDocument::PAGE_WIDTH)
        {
            result += line + "\n";
            line = std::string(indent, ' ');
            isLineEmpty = true;
        }
        line += (isLineEmpty ? "" : " ") + word;
        isLineEmpty = false;
    }
    return result + line + "\n";
}

/** @p text safe in roff: back slashes and hyphens escaped, characters beyond ASCII by code point. */
std::string roffEscaped(const std::string &text)
{
    std::string escaped;
    for (std::size_t at = 0; at < text.size(); at++)
    {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte == '\\')
            escaped += "\\e";
        else if (byte == '-')
            escaped += "\\-";
        else if (byte < 0x80)
            escaped += text[at];
        else
        {
            // Help texts hold only valid UTF-8 of up to three bytes (the sharp and flat signs).
            unsigned codePoint = byte & 0x0F;
            for (; at + 1 < text.size() && (static_cast<unsigned char>(text[at + 1]) & 0xC0) == 0x80; at++)
                codePoint = codePoint << 6 | (static_cast<unsigned char>(text[at + 1]) & 0x3F);
            char name[16];
            std::snprintf(name, sizeof name, "\\[u%04X]", codePoint);
            escaped += name;
        }
    }
    // A line that starts with a point or an apostrophe would be read as a request.
    return !escaped.empty() && (escaped[0] == '.' || escaped[0] == '\'') ? "\\&" + escaped : escaped;
}

std::string upperCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char character) { return static_cast<char>(std::toupper(character)); });
    return text;
}
} // namespace

void CHelpDocument::addHeading(const std::string &title, int level)
{
    m_blocks.push_back({HEADING, "", title, {}, level});
}

void CHelpDocument::addParagraph(const std::string &text)
{
    m_blocks.push_back({PARAGRAPH, "", text, {}, 0});
}

void CHelpDocument::addItem(const std::string &term, const std::string &text)
{
    m_blocks.push_back({ITEM, term, text, {}, 0});
}

void CHelpDocument::addVerbatim(const std::vector<std::string> &lines)
{
    m_blocks.push_back({VERBATIM, "", "", lines, 0});
}

void CHelpDocument::append(const CHelpDocument &other)
{
    m_blocks.insert(m_blocks.end(), other.m_blocks.begin(), other.m_blocks.end());
}

bool CHelpDocument::needsBlankLineBetween(const SBlock &previous, const SBlock &next)
{
    return next.kind == HEADING || (previous.kind != HEADING && !(previous.kind == ITEM && next.kind == ITEM));
}

std::size_t CHelpDocument::getTermWidth(std::size_t first) const
{
    std::size_t width = 0;
    for (std::size_t block = first; block < m_blocks.size() && m_blocks[block].kind == ITEM; block++)
        if (characterCount(m_blocks[block].term) <= LONGEST_TERM)
            width = std::max(width, characterCount(m_blocks[block].term));
    return width + TERM_GAP;
}

std::string CHelpDocument::toText() const
{
    std::string text;
    std::size_t indent = 0;
    std::size_t termWidth = 0;
    for (std::size_t index = 0; index < m_blocks.size(); index++)
    {
        const SBlock &block = m_blocks[index];
        if (index > 0 && needsBlankLineBetween(m_blocks[index - 1], block))
            text += "\n";
        const std::string margin(indent, ' ');
        switch (block.kind)
        {
        case HEADING:
            text += block.text + ":\n";
            indent = SECTION_INDENT;
            break;
        case PARAGRAPH:
            text += wrapped(margin, block.text, indent);
            break;
        case ITEM:
        {
            if (index == 0 || m_blocks[index - 1].kind != ITEM)
                termWidth = getTermWidth(index);
            const std::size_t termLength = characterCount(block.term);
            std::string line = margin + block.term;
            if (termLength + TERM_GAP > termWidth)
            {
                text += line + "\n";
                line = margin;
            }
            line += std::string(indent + termWidth - characterCount(line), ' ');
            text += wrapped(line, block.text, indent + termWidth);
            break;
        }
        case VERBATIM:
            for (const std::string &line : block.lines)
                text += margin + line + "\n";
            break;
        }
    }
    return text;
}

std::string CHelpDocument::toManBlock(const SBlock &block)
{
    switch (block.kind)
    {
    case HEADING:
        if (block.level == 1)
            return ".SH " + upperCase(roffEscaped(block.text)) + "\n";
        if (block.level == 2)
            return ".SS " + roffEscaped(block.text) + "\n";
        return ".PP\n.B " + roffEscaped(block.text) + "\n";
    case PARAGRAPH:
        return ".PP\n" + roffEscaped(block.text) + "\n";
    case ITEM:
        return ".TP\n.B " + roffEscaped(block.term) + "\n" + roffEscaped(block.text) + "\n";
    default:
    {
        std::string lines = ".PP\n.RS 4\n.nf\n";
        for (const std::string &line : block.lines)
            lines += roffEscaped(line) + "\n";
        return lines + ".fi\n.RE\n";
    }
    }
}

std::string CHelpDocument::toManPage(const std::string &titleLine, const std::string &nameLine) const
{
    std::string page = titleLine + "\n.SH NAME\n" + roffEscaped(nameLine) + "\n";
    for (const SBlock &block : m_blocks)
        page += toManBlock(block);
    return page;
}
} // namespace Corvane::Orvo::Calc
