#include "app/calculations/CCalculationOutcome.hpp"

#include "app/calculations/CNumberText.hpp"
#include "framework/music/CMusicMaths.hpp"

#include <cmath>
#include <limits>
#include <utility>

namespace Corvane::Orvo
{
CCalculationOutcome::CCalculationOutcome(std::size_t fieldCount)
    : m_resultValue(std::numeric_limits<double>::quiet_NaN())
{
    m_fieldTexts.reserve(fieldCount);
    m_fieldReadings.reserve(fieldCount);
}

void CCalculationOutcome::addFieldText(const char *text)
{
    m_fieldTexts.emplace_back(text);
}

void CCalculationOutcome::addFieldReading(const CFieldReading &reading)
{
    m_fieldReadings.push_back(reading);
}

std::size_t CCalculationOutcome::raiseMessage(const char *title, const char *text)
{
    m_messages.emplace_back(title, text);
    return m_messages.size() - 1;
}

void CCalculationOutcome::setResult(double value)
{
    if (std::isfinite(value))
        setResultText(CNumberText(value).getString(), value);
    else
        setResultText(Music::CMusicMaths::RANGE_ERROR_TEXT, value, false);
}

void CCalculationOutcome::setResultText(Basics::CString text, double value, bool isInRange)
{
    m_resultText = std::move(text);
    m_resultValue = isInRange ? value : std::numeric_limits<double>::quiet_NaN();
    m_isResultInRange = isInRange;
}
} // namespace Corvane::Orvo
