#pragma once

#include "framework/basics/CString.hpp"

#include <vector>

namespace Corvane::Orvo
{
/** A message a calculation raises for the user: the title and text of its message box. */
class CPanelMessage
{
public:
    CPanelMessage(const char *title, const char *text) : m_title(title), m_text(text)
    {
    }

    const Basics::CString &getTitle() const
    {
        return m_title;
    }
    const Basics::CString &getText() const
    {
        return m_text;
    }

private:
    Basics::CString m_title;
    Basics::CString m_text;
};

/**
 * Everything one panel calculation yields, for a window panel or a command to show: the
 * rewritten text of each input field, the messages in the order raised, and the result text.
 * The calculation itself shows nothing.
 */
class CCalculationOutcome
{
public:
    /** An outcome that will hold @p fieldCount field texts. */
    explicit CCalculationOutcome(std::size_t fieldCount);

    /** The input texts as the fields must now show them, in field order. */
    const std::vector<Basics::CString> &getFieldTexts() const
    {
        return m_fieldTexts;
    }
    const std::vector<CPanelMessage> &getMessages() const
    {
        return m_messages;
    }
    const Basics::CString &getResultText() const
    {
        return m_resultText;
    }
    /** False when the result names no value ("Range Error"). */
    bool isResultInRange() const
    {
        return m_isResultInRange;
    }

    void addFieldText(const char *text);
    void raiseMessage(const char *title, const char *text);
    /**
     * Writes a number the way every result shows it, with two decimals. A value beyond the
     * range of a double (the delay at a tempo of 1e-320 bpm, say) has no number to show and
     * reads "Range Error" rather than "inf".
     */
    void setResult(double value);
    void setResultText(Basics::CString text, bool isInRange = true);

private:
    std::vector<Basics::CString> m_fieldTexts;
    std::vector<CPanelMessage> m_messages;
    Basics::CString m_resultText;
    bool m_isResultInRange = true;
};
} // namespace Corvane::Orvo
