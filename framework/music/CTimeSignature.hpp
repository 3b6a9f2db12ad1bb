#pragma once

#include "framework/basics/CCountedObject.hpp"

#include <cstdint>

namespace Corvane::Music
{
/** A time signature such as 4/4 or 6/8: beats to the bar over the note value of one beat. */
class CTimeSignature : public Basics::CCountedObject, private Basics::TInstanceCounter<CTimeSignature>
{
public:
    CORVANE_DECLARE_CLASS

    CTimeSignature(long numerator, long denominator);
    CTimeSignature(const CTimeSignature &other) = default;
    CTimeSignature &operator=(const CTimeSignature &other) = default;

    void setTimeSignature(long numerator, long denominator);
    void setNumerator(long numerator);
    void setDenominator(long denominator);
    long getNumerator() const;
    long getDenominator() const;

    /**
     * The whole-number quotient numerator / denominator (truncated towards zero) as a double:
     * 4/4 and 7/4 give 1, 3/4 and 6/8 give 0. A denominator of 0 has no ratio and throws a
     * CException.
     */
    double getRatio() const;

private:
    std::int32_t m_numerator;
    std::int32_t m_denominator;
};
} // namespace Corvane::Music
