#pragma once

#include "framework/basics/CString.hpp"

#include <cstdint>

namespace Corvane::Basics
{
/**
 * A boxed signed 32-bit integer. Arithmetic wraps around at 32 bits, and dividing by 0 gives 0.
 */
class CLong : public CCountedObject, private TInstanceCounter<CLong>
{
public:
    CORVANE_DECLARE_CLASS

    explicit CLong(long value = 0) : m_value(static_cast<std::int32_t>(value)) {}
    CLong(const CLong &other) : CCountedObject(other), TInstanceCounter<CLong>(other), m_value(other.m_value) {}

    CLong &operator=(long value);
    CLong &operator=(const CLong &other);
    void setValue(long value) { m_value = static_cast<std::int32_t>(value); }
    long getValue() const { return m_value; }

    bool operator==(long value) const { return m_value == value; }
    bool operator==(const CLong &other) const { return m_value == other.m_value; }
    bool operator!=(long value) const { return m_value != value; }
    bool operator!=(const CLong &other) const { return m_value != other.m_value; }

    CLong &operator+=(long value);
    CLong &operator+=(const CLong &other) { return *this += other.getValue(); }
    CLong &operator-=(long value);
    CLong &operator-=(const CLong &other) { return *this -= other.getValue(); }
    CLong &operator*=(long value);
    CLong &operator*=(const CLong &other) { return *this *= other.getValue(); }
    /** A divisor of 0 gives 0; the smallest value divided by -1 wraps to itself. */
    CLong &operator/=(long divisor);

    bool isZero() const { return m_value == 0; }

    /** The value with at least @p minimumDigits, zero-filled; the sign counts as a digit. */
    CString getAsString(long minimumDigits) const;

    /** getAsString(2). */
    void getObjectDescription(char *text, long size) const override;

private:
    /** Keeps the low 32 bits of @p result, as 32-bit arithmetic would. */
    void setWrapped(std::int64_t result);

    std::int32_t m_value;
};
} // namespace Corvane::Basics
