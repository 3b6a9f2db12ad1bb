#include "app/calculations/CCalculationOutcome.hpp"

#include "app/calculations/CNumberText.hpp"
#include "framework/music/CMusicMaths.hpp"

#include <cmath>
#include <utility>

namespace Corvane::Orvo
{
CCalculationOutcome::CCalculationOutcome(std::size_t fieldCount)
{
    m_fieldTexts.reserve(fieldCount);
}

void CCalculationOutcome::addFieldText(const char *text)
{
    m_fieldTexts.emplace_back(text);
}

void CCalculationOutcome::raiseMessage(const char *title, const char *text)
{
    m_messages.emplace_back(title, text);
}

void CCalculationOutcome::setResult(double value)
{
    if (std::isfinite(value))
        setResultText(CNumberText(value).getString());
    else
        setResultText(Music::CMusicMaths::RANGE_ERROR_TEXT, false);
}

void CCalculationOutcome::setResultText(Basics::CString text, bool isInRange)
{
    m_resultText = std::move(text);
    m_isResultInRange = isInRange;
}
} // namespace Corvane::Orvo
