#include "framework/mathtools/CPolygon.hpp"

namespace Corvane::MathTools
{
CORVANE_DEFINE_CLASS(CPolygon, "CPolygon", "CCountedObject")

CPolygon::CPolygon(long numberOfPoints)
{
    setNumberOfPoints(numberOfPoints);
}

CPolygon::CPolygon(const CPolygon &other) : CCountedObject(other), TInstanceCounter<CPolygon>(other)
{
    *this = other;
}

CPolygon &CPolygon::operator=(const CPolygon &other)
{
    if (getNumberOfPoints() != other.getNumberOfPoints())
        setNumberOfPoints(other.getNumberOfPoints());
    for (long index = 0; index < other.getNumberOfPoints(); index++)
        setPoint(index, *other.getPoint(index));
    return *this;
}

bool CPolygon::operator==(const CPolygon &other) const
{
    if (getNumberOfPoints() != other.getNumberOfPoints())
        return false;
    for (long index = 0; index < getNumberOfPoints(); index++)
        if (!(*getPoint(index) == *other.getPoint(index)))
            return false;
    return true;
}

void CPolygon::setNumberOfPoints(long numberOfPoints)
{
    m_points.clearElements();
    for (long index = 0; index < numberOfPoints; index++)
        m_points.addElement(new CPoint());
}

long CPolygon::getNumberOfPoints() const
{
    return m_points.getNumberOfElements();
}

CPoint *CPolygon::getPoint(long index) const
{
    if (index < 0 || index >= getNumberOfPoints())
        return nullptr;
    return m_points.getElementAtIndex(index);
}

void CPolygon::setPoint(long index, const CPoint &point)
{
    if (CPoint *target = getPoint(index))
        *target = point;
}

void CPolygon::offset(const CPoint &delta)
{
    for (long index = 0; index < getNumberOfPoints(); index++)
        getPoint(index)->offset(delta);
}
} // namespace Corvane::MathTools
