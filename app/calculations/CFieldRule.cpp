#include "app/calculations/CFieldRule.hpp"

#include "app/calculations/CCalculationOutcome.hpp"
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

double CFieldRule::check(const CString &text, CCalculationOutcome &outcome) const
{
    double value = read(text);
    if (!m_range.contains(value))
    {
        outcome.raiseMessage(ERROR_TITLE, m_message);
        value = m_resetValue;
    }
    outcome.addFieldText(write(value).getString());
    return value;
}

double CFieldRule::read(const CString &text) const
{
    if (m_kind == WHOLE_NUMBER)
        return static_cast<double>(CString::toLong(text.getString()));
    return CString::toDouble(text.getString());
}

CNumberText CFieldRule::write(double value) const
{
    return m_kind == WHOLE_NUMBER ? CNumberText(static_cast<long>(value)) : CNumberText(value);
}
} // namespace Corvane::Orvo
