#pragma once

#include "app/calculations/CNumberReading.hpp"
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
 * How one input field was read: its text as given, the number read from it, and the value the
 * calculation went on with, which is the field's reset value when the number was refused.
 */
class CFieldReading
{
public:
    /** What an accepted field's reading answers from getMessageIndex(): no index at all. */
    static constexpr std::size_t NO_MESSAGE = static_cast<std::size_t>(-1);

    CFieldReading(const Basics::CString &text, CNumberReading number, double value, std::size_t messageIndex)
        : m_text(text), m_number(number), m_value(value), m_messageIndex(messageIndex)
    {
    }

    const Basics::CString &getText() const
    {
        return m_text;
    }
    const CNumberReading &getNumber() const
    {
        return m_number;
    }
    double getValue() const
    {
        return m_value;
    }
    bool isAccepted() const
    {
        return m_messageIndex == NO_MESSAGE;
    }
    /** Where the message that refused the number is among the outcome's messages, or NO_MESSAGE. */
    std::size_t getMessageIndex() const
    {
        return m_messageIndex;
    }

private:
    Basics::CString m_text;
    CNumberReading m_number;
    double m_value;
    std::size_t m_messageIndex;
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
    /** How each input field was read, in field order. */
    const std::vector<CFieldReading> &getFieldReadings() const
    {
        return m_fieldReadings;
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
    /**
     * The result as a number, unrounded: the value of a numeric result, the note number of a
     * note, the index of a tempo division. Not a number when the result is out of range.
     */
    double getResultValue() const
    {
        return m_resultValue;
    }

    void addFieldText(const char *text);
    void addFieldReading(const CFieldReading &reading);
    /** Raises a message and answers its index among the messages. */
    std::size_t raiseMessage(const char *title, const char *text);
    /**
     * Writes a number the way every result shows it, with two decimals. A value beyond the
     * range of a double (the delay at a tempo of 1e-320 bpm, say) has no number to show and
     * reads "Range Error" rather than "inf".
     */
    void setResult(double value);
    /**
     * Sets a result that is not written as a number, with the number it stands for (see
     * getResultValue); a result out of range has none.
     */
    void setResultText(Basics::CString text, double value, bool isInRange = true);

private:
    std::vector<Basics::CString> m_fieldTexts;
    std::vector<CFieldReading> m_fieldReadings;
    std::vector<CPanelMessage> m_messages;
    Basics::CString m_resultText;
    double m_resultValue;
    bool m_isResultInRange = true;
};
} // namespace Corvane::Orvo
