#include "framework/music/CTimeSignature.hpp"

#include "framework/basics/CException.hpp"

namespace Corvane::Music
{
CORVANE_DEFINE_CLASS(CTimeSignature, "CTimeSignature", "CCountedObject")

CTimeSignature::CTimeSignature(long numerator, long denominator)
    : m_numerator(static_cast<std::int32_t>(numerator)), m_denominator(static_cast<std::int32_t>(denominator))
{
}

void CTimeSignature::setTimeSignature(long numerator, long denominator)
{
    setNumerator(numerator);
    setDenominator(denominator);
}

void CTimeSignature::setNumerator(long numerator)
{
    m_numerator = static_cast<std::int32_t>(numerator);
}

void CTimeSignature::setDenominator(long denominator)
{
    m_denominator = static_cast<std::int32_t>(denominator);
}

long CTimeSignature::getNumerator() const
{
    return m_numerator;
}

long CTimeSignature::getDenominator() const
{
    return m_denominator;
}

double CTimeSignature::getRatio() const
{
    if (m_denominator == 0)
        throw Exceptions::CException("A time signature with a denominator of 0 has no ratio",
                                     "CTimeSignature::getRatio() const");
    // 64 bits, so that the lowest numerator over -1 does not overflow.
    return static_cast<double>(static_cast<std::int64_t>(m_numerator) / m_denominator);
}
} // namespace Corvane::Music
