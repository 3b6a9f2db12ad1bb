#pragma once

#include "framework/mathtools/CPoint.hpp"

namespace Corvane::MathTools
{
/** A size in whole pixels. Nothing stops it from being negative: empty intersections are. */
class CDimension : public Basics::CCountedObject, private Basics::TInstanceCounter<CDimension>
{
public:
    CORVANE_DECLARE_CLASS

    /** An empty size. */
    CDimension() : CDimension(0, 0) {}
    CDimension(long width, long height);
    CDimension(const CDimension &other) = default;
    CDimension &operator=(const CDimension &other) = default;

    bool operator==(const CDimension &other) const;

    void setDimension(long width, long height);
    void setDimension(const CDimension &other);
    void setWidth(long width);
    void setHeight(long height);
    long getWidth() const { return m_width; }
    long getHeight() const { return m_height; }

private:
    std::int32_t m_width;
    std::int32_t m_height;
};
} // namespace Corvane::MathTools
