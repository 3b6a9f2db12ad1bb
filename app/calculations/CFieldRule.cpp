#include "app/calculations/CFieldRule.hpp"

#include "app/calculations/CCalculationOutcome.hpp"
#include "app/calculations/CNumberReading.hpp"
#include "app/calculations/CNumberText.hpp"

#include <cmath>

namespace Corvane::Orvo
{
using Basics::CString;

bool CValueRange::contains(double value) const
{
    const bool aboveLowest = m_lowestEnd == INCLUDED ? value >= m_lowest : value > m_lowest;
    const bool belowHighest = m_highestEnd == INCLUDED ? value <= m_highest : value < m_highest;
    return std::isfinite(value) && aboveLowest && belowHighest;
}

bool CValueRange::hasHighest() const
{
    return std::isfinite(m_highest);
}

double CFieldRule::check(const CString &text, CCalculationOutcome &outcome) const
{
    const CNumberReading number = read(text.getString());
    double value = number.getValue();
    std::size_t messageIndex = CFieldReading::NO_MESSAGE;
    if (!m_range.contains(value))
    {
        messageIndex = outcome.raiseMessage(ERROR_TITLE, m_message);
        value = m_resetValue;
    }
    outcome.addFieldText(write(value).getString());
    outcome.addFieldReading(CFieldReading(text, number, value, messageIndex));
    return value;
}

CNumberReading CFieldRule::read(const char *text) const
{
    return m_kind == WHOLE_NUMBER ? CNumberReading::readWholeNumber(text) : CNumberReading::readDecimal(text);
}

CNumberText CFieldRule::write(double value) const
{
    return m_kind == WHOLE_NUMBER ? CNumberText(static_cast<long>(value)) : CNumberText(value);
}
} // namespace Corvane::Orvo
