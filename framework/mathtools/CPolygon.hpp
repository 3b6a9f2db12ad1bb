#pragma once

#include "framework/basics/TPointerCollection.hpp"
#include "framework/mathtools/CPoint.hpp"

namespace Corvane::MathTools
{
/** An ordered list of corner points. The polygon holds a reference on each, so they die with it. */
class CPolygon : public Basics::CCountedObject, private Basics::TInstanceCounter<CPolygon>
{
public:
    CORVANE_DECLARE_CLASS

    CPolygon() = default;
    /** @p numberOfPoints points at the origin. */
    explicit CPolygon(long numberOfPoints);
    CPolygon(const CPolygon &other);

    /** Resizes when the counts differ, then copies every point's value. */
    virtual CPolygon &operator=(const CPolygon &other);
    /** Same number of points, equal pairwise. */
    virtual bool operator==(const CPolygon &other) const;

    /** Drops every point, then adds @p numberOfPoints at the origin. */
    void setNumberOfPoints(long numberOfPoints);
    long getNumberOfPoints() const;

    /** The point at @p index, or null outside 0 to count - 1. */
    CPoint *getPoint(long index) const;
    /** Copies @p point into the point at @p index; an index outside the list is ignored. */
    void setPoint(long index, const CPoint &point);

    void offset(const CPoint &delta);

private:
    Basics::TCountedPointerArray<CPoint> m_points;
};
} // namespace Corvane::MathTools
