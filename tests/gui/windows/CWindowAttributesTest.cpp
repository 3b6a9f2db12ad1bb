#include "framework/gui/windows/CWindowAttributes.hpp"
#include "tests/support/LiveCounts.hpp"

#include <gtest/gtest.h>

using Corvane::GUI::Windows::CWindowAttributes;
using Corvane::GUI::Windows::CWindowIcon;
using Corvane::MathTools::CColour;

TEST(CWindowAttributes, DefaultsAndPresets)
{
    CWindowAttributes attributes;
    EXPECT_EQ(attributes.getTitle(), "Application");
    EXPECT_EQ(attributes.getBackgroundColour(), CColour(255, 255, 255));
    EXPECT_EQ(attributes.getAlpha(), 1.0);
    EXPECT_EQ(attributes.getWindowIcon(), nullptr);
    EXPECT_TRUE(attributes.isEnabled());
    EXPECT_FALSE(attributes.hasDropShadow());
    EXPECT_EQ(attributes.getWindowStyle(), 0x00CF0008u);
    EXPECT_EQ(attributes.getExtendedWindowStyle(), 16u);
    EXPECT_STREQ(attributes.getClass().getParentName(), "CCountedObject");

    attributes.setWindowStylePreset(1);
    EXPECT_EQ(attributes.getWindowStyle(), 0x00CA0000u);
    attributes.setWindowStyle(1, 2);
    attributes.setWindowStylePreset(2);
    EXPECT_EQ(attributes.getWindowStyle(), 0x00CA0000u);
    EXPECT_EQ(attributes.getExtendedWindowStyle(), 16u);
    attributes.setWindowStylePreset(3);
    EXPECT_EQ(attributes.getWindowStyle(), 0x00CA0000u);
    attributes.setWindowStylePreset(0);
    EXPECT_EQ(attributes.getWindowStyle(), 0x00CF0008u);
}

TEST(CWindowAttributes, CopiesShareTheIconByReference)
{
    const Corvane::Testing::LiveCounts before;
    {
        auto *icon = new CWindowIcon();
        CWindowAttributes attributes;
        attributes.setAttributes("Orvo v5", CColour(160, 160, 174), 0.87, icon, false, true);
        attributes.setWindowStyle(0x00CA0000, 16);
        EXPECT_EQ(icon->getReferenceCount(), 1);

        CWindowAttributes copy(attributes);
        CWindowAttributes assigned;
        assigned = copy;
        CWindowAttributes &same = assigned;
        assigned = same;
        EXPECT_EQ(icon->getReferenceCount(), 3);
        for (const CWindowAttributes *record : {&copy, &assigned})
        {
            EXPECT_EQ(record->getTitle(), "Orvo v5");
            EXPECT_EQ(record->getBackgroundColour(), CColour(160, 160, 174));
            EXPECT_EQ(record->getAlpha(), 0.87);
            EXPECT_EQ(record->getWindowIcon(), icon);
            EXPECT_FALSE(record->isEnabled());
            EXPECT_TRUE(record->hasDropShadow());
            EXPECT_EQ(record->getWindowStyle(), 0x00CA0000u);
        }
        attributes.setWindowIcon(icon);
        copy.setWindowIcon(nullptr);
        EXPECT_EQ(icon->getReferenceCount(), 2);
    }
    // The last record to let go of the icon destroyed it.
    EXPECT_EQ(Corvane::Testing::LiveCounts().differencesFrom(before), "");
}
