#include "framework/mathtools/CRect.hpp"

#include <algorithm>

namespace Corvane::MathTools
{
CORVANE_DEFINE_CLASS(CRect, "CRect", "CCountedObject")

CRect::CRect(long left, long top, long width, long height)
{
    setRect(left, top, width, height);
}

CRect::CRect(const CPoint &origin, const CDimension &size)
{
    setRect(origin, size);
}

CRect::CRect(const CRect &other) : CCountedObject(other), TInstanceCounter<CRect>(other)
{
    setRect(other.getLeft(), other.getTop(), other.getWidth(), other.getHeight());
}

void CRect::getObjectDescription(char *text, long size) const
{
    Basics::CString description;
    description.setStringWithFormat("[%li,%li,%li,%li]", getLeft(), getTop(), getWidth(), getHeight());
    description.getString(text, size);
}

CRect &CRect::operator=(const CRect &other)
{
    setRect(other.getLeft(), other.getTop(), other.getWidth(), other.getHeight());
    return *this;
}

bool CRect::operator==(const CRect &other) const
{
    return m_left == other.m_left && m_top == other.m_top && m_width == other.m_width && m_height == other.m_height;
}

void CRect::setRect(long left, long top, long width, long height)
{
    m_left = toCoordinate(left);
    m_top = toCoordinate(top);
    setWidth(width);
    setHeight(height);
}

void CRect::setRect(const CPoint &origin, const CDimension &size)
{
    setRect(origin.getXPosition(), origin.getYPosition(), size.getWidth(), size.getHeight());
}

void CRect::setLeft(long left)
{
    m_left = toCoordinate(left);
    setWidth(getWidth());
}

void CRect::setTop(long top)
{
    m_top = toCoordinate(top);
    setHeight(getHeight());
}

void CRect::setWidth(long width)
{
    m_width = toCoordinate(width);
    m_right = toCoordinate(getLeft() + getWidth());
}

void CRect::setHeight(long height)
{
    m_height = toCoordinate(height);
    m_bottom = toCoordinate(getTop() + getHeight());
}

void CRect::setOrigin(const CPoint &origin)
{
    setLeft(origin.getXPosition());
    setTop(origin.getYPosition());
}

void CRect::setDimension(const CDimension &size)
{
    setWidth(size.getWidth());
    setHeight(size.getHeight());
}

CPoint CRect::getOrigin() const
{
    return CPoint(getLeft(), getTop());
}

CDimension CRect::getDimension() const
{
    return CDimension(getWidth(), getHeight());
}

void CRect::offset(const CPoint &delta)
{
    setLeft(getLeft() + delta.getXPosition());
    setTop(getTop() + delta.getYPosition());
}

void CRect::inset(long amount)
{
    setRect(getLeft() + amount, getTop() + amount, getWidth() - 2 * amount, getHeight() - 2 * amount);
}

long CRect::getCentralXPosition() const
{
    return getLeft() + getWidth() / 2;
}

long CRect::getCentralYPosition() const
{
    return getTop() + getHeight() / 2;
}

void CRect::getAsRect(RECT &rect) const
{
    rect = RECT{m_left, m_top, m_right, m_bottom};
}

void CRect::setFromRect(const RECT &rect)
{
    setEdges(rect.left, rect.top, rect.right, rect.bottom);
}

void CRect::setEdges(long left, long top, long right, long bottom)
{
    setRect(left, top, right - left, bottom - top);
}

void CRect::getIntersectionArea(const CRect &a, const CRect &b, CRect &result)
{
    result.setEdges(std::max(a.getLeft(), b.getLeft()), std::max(a.getTop(), b.getTop()),
                    std::min(a.getRight(), b.getRight()), std::min(a.getBottom(), b.getBottom()));
}

void CRect::unionWith(const CRect &other)
{
    setEdges(std::min(getLeft(), other.getLeft()), std::min(getTop(), other.getTop()),
             std::max(getRight(), other.getRight()), std::max(getBottom(), other.getBottom()));
}

Basics::CString CRect::getRectAsString(const CRect &rect)
{
    Basics::CString text;
    text.setStringWithFormat("%li,%li,%li,%li", rect.getLeft(), rect.getTop(), rect.getWidth(), rect.getHeight());
    return text;
}
} // namespace Corvane::MathTools
