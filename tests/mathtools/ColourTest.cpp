#include "framework/mathtools/CAlphaColour.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace Corvane::MathTools;

TEST(CColour, PackedValueAndDescription)
{
    const CColour colour(1, 2, 3);
    EXPECT_EQ(colour.getAsColourRef(), 197121u);
    EXPECT_EQ(CColour(197121u), colour);
    CColour assigned;
    EXPECT_EQ(assigned, CColour::CCOLOUR_WHITE);
    assigned = 0x00FF8040u;
    EXPECT_EQ(assigned, CColour(0x40, 0x80, 0xFF));

    char text[32];
    colour.getObjectDescription(text, sizeof text);
    EXPECT_STREQ(text, "[1,2,3]");
    EXPECT_STREQ(colour.getClass().getParentName(), "CCountedObject");
}

TEST(CAlphaColour, AlphaFollowsItsSource)
{
    CAlphaColour colour(10, 20, 30, 10);
    colour.setColour(1, 2, 3);
    EXPECT_EQ(colour.getAlpha(), 10);
    colour = CColour(4, 5, 6);
    EXPECT_EQ(colour, CAlphaColour(4, 5, 6, 255));
    colour = CAlphaColour(7, 8, 9, 0);
    EXPECT_FALSE(colour == CAlphaColour(7, 8, 9, 1));

    char text[32];
    colour.getObjectDescription(text, sizeof text);
    EXPECT_STREQ(text, "[7,8,9,0]");
    EXPECT_STREQ(colour.getClass().getClassName(), "CAlphaColour");
    EXPECT_STREQ(colour.getClass().getParentName(), "CColour");
    EXPECT_EQ(CAlphaColour(), CAlphaColour::CALPHACOLOUR_WHITE);
}

TEST(CColour, PredefinedSetsAgree)
{
    const CColour *colours[] = {&CColour::CCOLOUR_BLACK,     &CColour::CCOLOUR_WHITE,  &CColour::CCOLOUR_RED,
                                &CColour::CCOLOUR_GREEN,     &CColour::CCOLOUR_BLUE,   &CColour::CCOLOUR_YELLOW,
                                &CColour::CCOLOUR_ORANGE,    &CColour::CCOLOUR_TURQUOISE, &CColour::CCOLOUR_PURPLE,
                                &CColour::CCOLOUR_PINK,      &CColour::CCOLOUR_LIGHT_GREY, &CColour::CCOLOUR_GREY};
    const CAlphaColour *alphaColours[] = {
        &CAlphaColour::CALPHACOLOUR_BLACK,  &CAlphaColour::CALPHACOLOUR_WHITE,     &CAlphaColour::CALPHACOLOUR_RED,
        &CAlphaColour::CALPHACOLOUR_GREEN,  &CAlphaColour::CALPHACOLOUR_BLUE,      &CAlphaColour::CALPHACOLOUR_YELLOW,
        &CAlphaColour::CALPHACOLOUR_ORANGE, &CAlphaColour::CALPHACOLOUR_TURQUOISE, &CAlphaColour::CALPHACOLOUR_PURPLE,
        &CAlphaColour::CALPHACOLOUR_PINK,   &CAlphaColour::CALPHACOLOUR_LIGHT_GREY, &CAlphaColour::CALPHACOLOUR_GREY};
    for (int index = 0; index < 12; index++)
    {
        CAlphaColour opaque;
        opaque = *colours[index];
        EXPECT_EQ(opaque, *alphaColours[index]) << index;
    }
    EXPECT_EQ(CColour::CCOLOUR_LIGHT_GREY, CColour(208, 208, 208));
    EXPECT_EQ(CColour::CCOLOUR_PINK, CColour(226, 74, 160));
    EXPECT_EQ(CColour::CCOLOUR_RED.getAsColourRef(), 0x002020F3u);
}
