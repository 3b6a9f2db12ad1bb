#pragma once

#include <cstddef>
#include <string>

namespace Corvane::GUI::Controls
{
/**
 * The text of a one-line edit box with its caret and selection. The selection runs between the
 * anchor and the caret, which are byte offsets that always lie on character boundaries of the
 * UTF-8 text. What is typed or pasted keeps to a limit counted in characters; a text the buffer
 * starts with is kept whole even when it is longer.
 */
class CEditBuffer
{
public:
    /** How far a caret movement or a deletion reaches. */
    enum class EStep
    {
        CHARACTER,
        WORD,
        WHOLE // to the start or the end of the text
    };

    /** At most @p limit characters can be typed. */
    explicit CEditBuffer(std::size_t limit);

    /** Replaces the text and selects all of it. */
    void setText(const std::string &text);
    const std::string &getText() const { return m_text; }

    std::size_t getCaret() const { return m_caret; }
    bool hasSelection() const { return m_caret != m_anchor; }
    std::size_t getSelectionStart() const;
    std::size_t getSelectionEnd() const;
    std::string getSelectedText() const;

    void selectAll();
    /** Puts the caret at @p offset (inside a character: at its start); with @p extend the anchor stays. */
    void setCaret(std::size_t offset, bool extend);
    /**
     * Moves the caret one step. Without @p extend a selection collapses: a character step to the
     * selection's edge on that side, a longer step from the caret.
     */
    void moveCaret(EStep step, bool forward, bool extend);
    /** Selects the word at @p offset, or the run of blanks and signs there. */
    void selectWordAt(std::size_t offset);

    /**
     * Replaces the selection with as much of the first line of @p text as the limit leaves room
     * for, cut between characters. False when something had to be left out.
     */
    bool insert(const std::string &text);
    /** Deletes the selection, or else from the caret one step on: Backspace and Delete. */
    void erase(EStep step, bool forward);

private:
    std::size_t stepFrom(std::size_t offset, EStep step, bool forward) const;
    /** Replaces the bytes from @p start to @p end by @p text and puts the caret after it. */
    void replace(std::size_t start, std::size_t end, const std::string &text);

    std::string m_text;
    std::size_t m_caret = 0;
    std::size_t m_anchor = 0;
    std::size_t m_limit;
};
} // namespace Corvane::GUI::Controls
