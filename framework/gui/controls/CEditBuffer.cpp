#include "framework/gui/controls/CEditBuffer.hpp"

#include "framework/gui/controls/Utf8Text.hpp"

#include <algorithm>

namespace Corvane::GUI::Controls
{
CEditBuffer::CEditBuffer(std::size_t limit) : m_limit(limit)
{
}

void CEditBuffer::setText(const std::string &text)
{
    m_text = text;
    selectAll();
}

std::size_t CEditBuffer::getSelectionStart() const
{
    return std::min(m_caret, m_anchor);
}

std::size_t CEditBuffer::getSelectionEnd() const
{
    return std::max(m_caret, m_anchor);
}

std::string CEditBuffer::getSelectedText() const
{
    return m_text.substr(getSelectionStart(), getSelectionEnd() - getSelectionStart());
}

void CEditBuffer::selectAll()
{
    m_anchor = 0;
    m_caret = m_text.size();
}

void CEditBuffer::setCaret(std::size_t offset, bool extend)
{
    m_caret = Utf8Text::characterStart(m_text, offset);
    if (!extend)
        m_anchor = m_caret;
}

void CEditBuffer::moveCaret(EStep step, bool forward, bool extend)
{
    if (hasSelection() && !extend && step == EStep::CHARACTER)
        setCaret(forward ? getSelectionEnd() : getSelectionStart(), false);
    else
        setCaret(stepFrom(m_caret, step, forward), extend);
}

void CEditBuffer::selectWordAt(std::size_t offset)
{
    offset = Utf8Text::characterStart(m_text, offset);
    if (offset == m_text.size())
        offset = Utf8Text::previousCharacter(m_text, offset);
    const bool word = Utf8Text::isWordCharacter(m_text, offset);
    std::size_t start = offset;
    while (start > 0 && Utf8Text::isWordCharacter(m_text, Utf8Text::previousCharacter(m_text, start)) == word)
        start = Utf8Text::previousCharacter(m_text, start);
    std::size_t end = offset;
    while (end < m_text.size() && Utf8Text::isWordCharacter(m_text, end) == word)
        end = Utf8Text::nextCharacter(m_text, end);
    m_anchor = start;
    m_caret = end;
}

bool CEditBuffer::insert(const std::string &text)
{
    const std::string line = Utf8Text::firstLine(text);
    const std::size_t kept = Utf8Text::countCharacters(m_text) - Utf8Text::countCharacters(getSelectedText());
    const std::size_t room = kept < m_limit ? m_limit - kept : 0;
    const std::string fitting = line.substr(0, Utf8Text::bytesOfCharacters(line, room));
    if (!fitting.empty())
        replace(getSelectionStart(), getSelectionEnd(), fitting);
    return fitting.size() == line.size();
}

void CEditBuffer::erase(EStep step, bool forward)
{
    if (!hasSelection())
        m_anchor = stepFrom(m_caret, step, forward);
    replace(getSelectionStart(), getSelectionEnd(), std::string());
}

std::size_t CEditBuffer::stepFrom(std::size_t offset, EStep step, bool forward) const
{
    switch (step)
    {
    case EStep::CHARACTER:
        return forward ? Utf8Text::nextCharacter(m_text, offset) : Utf8Text::previousCharacter(m_text, offset);
    case EStep::WORD:
        return forward ? Utf8Text::nextWordEnd(m_text, offset) : Utf8Text::previousWordStart(m_text, offset);
    default:
        return forward ? m_text.size() : 0;
    }
}

void CEditBuffer::replace(std::size_t start, std::size_t end, const std::string &text)
{
    m_text.replace(start, end - start, text);
    m_caret = start + text.size();
    m_anchor = m_caret;
}
} // namespace Corvane::GUI::Controls
