#include "framework/mathtools/CPolygon.hpp"
#include "framework/mathtools/CRect.hpp"
#include "tests/support/LiveCounts.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace Corvane::MathTools;

namespace
{
std::string describe(const Corvane::Basics::ICountedObject &object)
{
    char text[64];
    object.getObjectDescription(text, sizeof text);
    return text;
}
} // namespace

TEST(CPoint, ArithmeticAndDescription)
{
    CPoint point(3, -4);
    point += CPoint(10, 10);
    EXPECT_EQ(point, CPoint(13, 6));
    point -= CPoint(1, 2);
    point.offset(-2, 1);
    EXPECT_EQ(point, CPoint(10, 5));
    EXPECT_EQ(describe(point), "[10,5]");
    EXPECT_STREQ(point.getClass().getClassName(), "CPoint");
    EXPECT_STREQ(point.getClass().getParentName(), "CCountedObject");
}

TEST(CRect, EdgesFollowEveryChange)
{
    CRect rect(10, 20, 30, 40);
    EXPECT_EQ(rect.getRight(), 40);
    EXPECT_EQ(rect.getBottom(), 60);
    EXPECT_EQ(rect.getCentralXPosition(), 25);
    EXPECT_EQ(rect.getCentralYPosition(), 40);
    EXPECT_EQ(describe(rect), "[10,20,30,40]");
    EXPECT_STREQ(CRect::getRectAsString(rect).getString(), "10,20,30,40");

    rect.setLeft(0);
    EXPECT_EQ(rect.getRight(), 30);
    EXPECT_EQ(rect.getWidth(), 30);
    rect.setWidth(5);
    EXPECT_EQ(rect.getRight(), 5);
    rect.setTop(100);
    EXPECT_EQ(rect.getBottom(), 140);

    rect.offset(CPoint(1, -1));
    EXPECT_EQ(rect, CRect(1, 99, 5, 40));
    rect.setOrigin(CPoint(7, 8));
    rect.setDimension(CDimension(2, 3));
    EXPECT_EQ(rect, CRect(CPoint(7, 8), CDimension(2, 3)));
    EXPECT_EQ(rect.getBottom(), 11);
    EXPECT_EQ(rect.getOrigin(), CPoint(7, 8));
    EXPECT_EQ(rect.getDimension(), CDimension(2, 3));

    CRect wide(0, 0, 30, 30);
    wide.inset(20);
    EXPECT_EQ(wide.getWidth(), -10);
    EXPECT_EQ(wide.getLeft(), 20);
    EXPECT_EQ(wide.getRight(), 10);
    EXPECT_EQ(CRect(0, 0, -3, 0).getCentralXPosition(), -1);

    RECT edges{};
    CRect(5, 6, 7, 8).getAsRect(edges);
    EXPECT_EQ(edges.left, 5);
    EXPECT_EQ(edges.top, 6);
    EXPECT_EQ(edges.right, 12);
    EXPECT_EQ(edges.bottom, 14);
    CRect fromEdges;
    fromEdges.setFromRect(RECT{1, 2, 11, 22});
    EXPECT_EQ(fromEdges, CRect(1, 2, 10, 20));

    CRect copy(fromEdges);
    EXPECT_EQ(copy.getRight(), 11);
    copy = rect;
    EXPECT_EQ(copy.getRight(), rect.getRight());
}

TEST(CRect, IntersectionAndUnion)
{
    CRect result;
    CRect::getIntersectionArea(CRect(0, 0, 10, 10), CRect(20, 20, 10, 10), result);
    EXPECT_EQ(result.getWidth(), -10);
    EXPECT_EQ(result.getHeight(), -10);
    CRect::getIntersectionArea(CRect(0, 0, 10, 10), CRect(5, 5, 10, 10), result);
    EXPECT_EQ(result, CRect(5, 5, 5, 5));

    CRect area(30, 0, 10, 10);
    area.unionWith(CRect(10, 0, 10, 10));
    EXPECT_EQ(area, CRect(10, 0, 30, 10));
    EXPECT_EQ(area.getRight(), 40);
}

TEST(CRect, CoordinatesWrapAtThirtyTwoBits)
{
    CRect rect(2147483647L, 0, 1, 1);
    EXPECT_EQ(rect.getRight(), -2147483647L - 1);
}

TEST(CPolygon, OwnsItsPoints)
{
    CPolygon{1}; // the arrays' shared counting policy lives from the first polygon on
    const Corvane::Testing::LiveCounts before;
    {
        CPolygon small(3);
        CPolygon large(5);
        for (long index = 0; index < 5; index++)
            large.setPoint(index, CPoint(index, index * 2));
        large.setPoint(5, CPoint(99, 99));
        EXPECT_EQ(large.getPoint(5), nullptr);
        EXPECT_EQ(large.getPoint(-1), nullptr);
        EXPECT_FALSE(small == large);

        small = large;
        EXPECT_EQ(small.getNumberOfPoints(), 5);
        EXPECT_EQ(*small.getPoint(4), CPoint(4, 8));
        EXPECT_TRUE(small == large);
        EXPECT_NE(small.getPoint(4), large.getPoint(4));

        CPolygon copy(large);
        copy.offset(CPoint(1, 1));
        EXPECT_EQ(*copy.getPoint(0), CPoint(1, 1));
        EXPECT_FALSE(copy == large);
        copy.setNumberOfPoints(2);
        EXPECT_EQ(*copy.getPoint(1), CPoint(0, 0));
        EXPECT_EQ(describe(copy).rfind("[CCounted Object Base Reference Count = ", 0), 0u);
    }
    EXPECT_EQ(Corvane::Testing::LiveCounts().differencesFrom(before), "");
}
