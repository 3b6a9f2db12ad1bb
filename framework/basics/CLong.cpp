#include "framework/basics/CLong.hpp"

namespace Corvane::Basics
{
CORVANE_DEFINE_CLASS(CLong, "CLong", "CCountedObject")

CLong &CLong::operator=(long value)
{
    setValue(value);
    return *this;
}

CLong &CLong::operator=(const CLong &other)
{
    m_value = other.m_value;
    return *this;
}

void CLong::setWrapped(std::int64_t result)
{
    m_value = static_cast<std::int32_t>(static_cast<std::uint32_t>(result));
}

CLong &CLong::operator+=(long value)
{
    setWrapped(std::int64_t{m_value} + static_cast<std::int32_t>(value));
    return *this;
}

CLong &CLong::operator-=(long value)
{
    setWrapped(std::int64_t{m_value} - static_cast<std::int32_t>(value));
    return *this;
}

CLong &CLong::operator*=(long value)
{
    setWrapped(std::int64_t{m_value} * static_cast<std::int32_t>(value));
    return *this;
}

CLong &CLong::operator/=(long divisor)
{
    const std::int32_t by = static_cast<std::int32_t>(divisor);
    setWrapped(by == 0 ? 0 : std::int64_t{m_value} / by);
    return *this;
}

CString CLong::getAsString(long minimumDigits) const
{
    // A 32-bit value never needs more than 11 characters; a wider request is only padding, which
    // is bounded so that a mistaken width cannot ask for gigabytes.
    constexpr long widest = 255;
    const long width = minimumDigits > widest ? widest : minimumDigits < -widest ? -widest : minimumDigits;
    CString text;
    text.setStringWithFormat("%0*li", static_cast<int>(width), static_cast<long>(m_value));
    return text;
}

void CLong::getObjectDescription(char *text, long size) const
{
    getAsString(2).getString(text, size);
}
} // namespace Corvane::Basics
