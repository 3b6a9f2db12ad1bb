#pragma once

#include <string>
#include <vector>

namespace Corvane::Orvo::Calc
{
/**
 * A help text as headings, paragraphs, definition items and verbatim lines, written either for
 * a terminal (wrapped to fit 80 columns) or as a manual page in roff, so that both say the same.
 */
class CHelpDocument
{
public:
    /** The widest a line of the terminal text may be, in characters. */
    static constexpr std::size_t PAGE_WIDTH = 79;

    /**
     * A heading; @p level 1 is a section of the manual, 2 a subsection, 3 a paragraph title.
     * On a terminal every heading is its title and a colon.
     */
    void addHeading(const std::string &title, int level = 1);
    void addParagraph(const std::string &text);
    /** A term and its explanation, such as an option; items in a row share the term's column. */
    void addItem(const std::string &term, const std::string &text);
    /** Lines kept as they are: usage lines, or a command with its output. */
    void addVerbatim(const std::vector<std::string> &lines);
    void append(const CHelpDocument &other);

    std::string toText() const;
    /** The page as roff for man(1), after the given title line and NAME section. */
    std::string toManPage(const std::string &titleLine, const std::string &nameLine) const;

private:
    enum EKind
    {
        HEADING,
        PARAGRAPH,
        ITEM,
        VERBATIM
    };
    struct SBlock
    {
        EKind kind;
        std::string term;
        std::string text;
        std::vector<std::string> lines;
        int level;
    };

    /** The width of the term column for the row of items that @p first starts. */
    std::size_t getTermWidth(std::size_t first) const;
    static bool needsBlankLineBetween(const SBlock &previous, const SBlock &next);
    static std::string toManBlock(const SBlock &block);

    std::vector<SBlock> m_blocks;
};
} // namespace Corvane::Orvo::Calc
