#pragma once

#include "framework/basics/CCountedObject.hpp"

#include <cstdint>

namespace Corvane::MathTools
{
/** A position in whole pixels: x grows to the right, y downwards. */
class CPoint : public Basics::CCountedObject, private Basics::TInstanceCounter<CPoint>
{
public:
    CORVANE_DECLARE_CLASS

    /** The origin (0, 0). */
    CPoint() : CPoint(0, 0) {}
    CPoint(long x, long y);
    CPoint(const CPoint &other) = default;
    CPoint &operator=(const CPoint &other) = default;

    /** "[x,y]". */
    void getObjectDescription(char *text, long size) const override;

    bool operator==(const CPoint &other) const;
    CPoint &operator+=(const CPoint &other);
    CPoint &operator-=(const CPoint &other);

    void offset(const CPoint &delta);
    void offset(long dx, long dy);

    long getXPosition() const { return m_x; }
    long getYPosition() const { return m_y; }
    void setXPosition(long x);
    void setYPosition(long y);
    void setPoint(long x, long y);

private:
    std::int32_t m_x;
    std::int32_t m_y;
};

/**
 * Keeps the low 32 bits of a coordinate computed in long, so that arithmetic past the range
 * wraps as the 32-bit fields always did instead of overflowing.
 */
inline std::int32_t toCoordinate(long value)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<unsigned long>(value)));
}
} // namespace Corvane::MathTools
