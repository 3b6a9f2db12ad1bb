#pragma once

#include "framework/basics/CString.hpp"
#include "framework/mathtools/CDimension.hpp"

namespace Corvane::MathTools
{
/** A rectangle given by its edges, as platform layers exchange them: right and bottom exclusive. */
struct RECT
{
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

/**
 * A half-open area of whole pixels: right and bottom are the first column and row outside it.
 * Both the size and the far edges are kept, and every change recomputes the edge that depends
 * on it, so right = left + width and bottom = top + height always hold. Nothing keeps the size
 * positive: callers read an empty intersection from a width or height of zero or less.
 */
class CRect : public Basics::CCountedObject, private Basics::TInstanceCounter<CRect>
{
public:
    CORVANE_DECLARE_CLASS

    /** An empty area at the origin. */
    CRect() : CRect(0, 0, 0, 0) {}
    CRect(long left, long top, long width, long height);
    CRect(const CPoint &origin, const CDimension &size);
    CRect(const CRect &other);

    /** "[left,top,width,height]". */
    void getObjectDescription(char *text, long size) const override;

    virtual CRect &operator=(const CRect &other);
    /** Same left, top, width and height. */
    virtual bool operator==(const CRect &other) const;

    void setRect(long left, long top, long width, long height);
    void setRect(const CPoint &origin, const CDimension &size);
    /** Moves the area sideways; the width stays. */
    void setLeft(long left);
    /** Moves the area up or down; the height stays. */
    void setTop(long top);
    void setWidth(long width);
    void setHeight(long height);
    void setOrigin(const CPoint &origin);
    void setDimension(const CDimension &size);

    long getLeft() const { return m_left; }
    long getTop() const { return m_top; }
    long getRight() const { return m_right; }
    long getBottom() const { return m_bottom; }
    long getWidth() const { return m_width; }
    long getHeight() const { return m_height; }
    CPoint getOrigin() const;
    CDimension getDimension() const;

    void offset(const CPoint &delta);
    /** Shrinks the area by @p amount on every side; the size may become negative. */
    void inset(long amount);

    /** left + width / 2, truncated towards zero. */
    long getCentralXPosition() const;
    /** top + height / 2, truncated towards zero. */
    long getCentralYPosition() const;

    void getAsRect(RECT &rect) const;
    void setFromRect(const RECT &rect);

    /**
     * The overlap of @p a and @p b: the inner edges of the two. Areas that do not overlap give a
     * width or height of zero or less.
     */
    static void getIntersectionArea(const CRect &a, const CRect &b, CRect &result);
    /** Grows the area to the smallest one that holds both. */
    void unionWith(const CRect &other);

    /** "left,top,width,height". */
    static Basics::CString getRectAsString(const CRect &rect);

private:
    /** Sets the edges and derives the size. */
    void setEdges(long left, long top, long right, long bottom);

    std::int32_t m_width;
    std::int32_t m_height;
    std::int32_t m_left;
    std::int32_t m_right;
    std::int32_t m_top;
    std::int32_t m_bottom;
};
} // namespace Corvane::MathTools
