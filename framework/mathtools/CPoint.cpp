#include "framework/mathtools/CPoint.hpp"

#include "framework/basics/CString.hpp"

namespace Corvane::MathTools
{
CORVANE_DEFINE_CLASS(CPoint, "CPoint", "CCountedObject")

CPoint::CPoint(long x, long y) : m_x(toCoordinate(x)), m_y(toCoordinate(y)) {}

void CPoint::getObjectDescription(char *text, long size) const
{
    Basics::CString description;
    description.setStringWithFormat("[%li,%li]", getXPosition(), getYPosition());
    description.getString(text, size);
}

bool CPoint::operator==(const CPoint &other) const
{
    return m_x == other.m_x && m_y == other.m_y;
}

CPoint &CPoint::operator+=(const CPoint &other)
{
    offset(other);
    return *this;
}

CPoint &CPoint::operator-=(const CPoint &other)
{
    offset(-other.getXPosition(), -other.getYPosition());
    return *this;
}

void CPoint::offset(const CPoint &delta)
{
    offset(delta.getXPosition(), delta.getYPosition());
}

void CPoint::offset(long dx, long dy)
{
    setPoint(getXPosition() + dx, getYPosition() + dy);
}

void CPoint::setXPosition(long x)
{
    m_x = toCoordinate(x);
}

void CPoint::setYPosition(long y)
{
    m_y = toCoordinate(y);
}

void CPoint::setPoint(long x, long y)
{
    setXPosition(x);
    setYPosition(y);
}
} // namespace Corvane::MathTools
