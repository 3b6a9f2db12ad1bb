#include "framework/mathtools/CDimension.hpp"

namespace Corvane::MathTools
{
CORVANE_DEFINE_CLASS(CDimension, "CDimension", "CCountedObject")

CDimension::CDimension(long width, long height) : m_width(toCoordinate(width)), m_height(toCoordinate(height)) {}

bool CDimension::operator==(const CDimension &other) const
{
    return m_width == other.m_width && m_height == other.m_height;
}

void CDimension::setDimension(long width, long height)
{
    setWidth(width);
    setHeight(height);
}

void CDimension::setDimension(const CDimension &other)
{
    setDimension(other.getWidth(), other.getHeight());
}

void CDimension::setWidth(long width)
{
    m_width = toCoordinate(width);
}

void CDimension::setHeight(long height)
{
    m_height = toCoordinate(height);
}
} // namespace Corvane::MathTools
