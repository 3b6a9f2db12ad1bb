#include "framework/basics/CLong.hpp"
#include "framework/gui/controls/CControlDescriptor.hpp"
#include "framework/gui/controls/CDropEvent.hpp"
#include "framework/gui/controls/CNameList.hpp"
#include "framework/gui/controls/CTextLabel.hpp"
#include "tests/support/RecordingControl.hpp"
#include "tests/gui/controls/TestWindow.hpp"

#include <gtest/gtest.h>

using namespace Corvane::GUI::Controls;
using Corvane::Basics::CLong;
using Corvane::Basics::CString;
using Corvane::GUI::Graphics::CFont;
using Corvane::MathTools::CAlphaColour;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using Corvane::Testing::TestWindow;

namespace
{
CTextLabel *addLabel(TestWindow &window, const CRect &area, const char *text)
{
    auto *label = new CTextLabel(&window.root(), 0, area, text);
    window.root().addControl(label);
    return label;
}
} // namespace

TEST(CTextLabel, HoldsItsFontLetsClicksThroughAndAsksToBeDrawn)
{
    CFont::setDefaultFont(new CFont("Arial", 8));
    {
        TestWindow window(100, 100);
        CTextLabel *label = addLabel(window, CRect(10, 20, 30, 40), "Tempo");
        EXPECT_EQ(window.redrawAreas, (std::vector<CRect>{CRect(10, 20, 30, 40)}));
        EXPECT_EQ(label->getFont(), CFont::getDefaultFont());
        EXPECT_EQ(CFont::getDefaultFont()->getReferenceCount(), 2);

        auto *under = new Corvane::Testing::RecordingControl(&window.root(), 1, CRect(0, 0, 50, 50));
        window.root().addControl(under);
        window.click(15, 25);
        EXPECT_EQ(under->summary(), "leftDown@15,25 leftUp@15,25");

        CFont other("Arial", 12);
        other.reference();
        label->setFont(&other);
        label->setFont(&other);
        EXPECT_EQ(other.getReferenceCount(), 2);
        EXPECT_EQ(CFont::getDefaultFont()->getReferenceCount(), 1);
        label->setFont(nullptr);
        EXPECT_EQ(other.getReferenceCount(), 1);
    }
    CFont::setDefaultFont(nullptr);
}

TEST(CTextLabel, ShowsTheFirstDroppedFile)
{
    TestWindow window(100, 100);
    CTextLabel *label = addLabel(window, CRect(10, 20, 30, 40), "Drop here");
    window.redrawAreas.clear();
    CDropEvent event(CPoint(15, 25));
    event.addFileName("/music/first take.wav");
    event.addFileName("/music/second.wav");
    window.root().handleFileDrop(event);
    EXPECT_EQ(label->getText(), "/music/first take.wav");
    EXPECT_EQ(window.redrawAreas.back(), CRect(10, 20, 30, 40));

    label->handleFileDrop(CDropEvent(CPoint(15, 25))); // no files: nothing changes
    EXPECT_EQ(label->getText(), "/music/first take.wav");
}

TEST(CTextLabel, ColourSettersKeepWhatTheyDoNotNameAndDoNotRedraw)
{
    TestWindow window(100, 100);
    CTextLabel *label = addLabel(window, CRect(0, 0, 10, 10), "");
    window.redrawAreas.clear();
    label->setColours(CAlphaColour(1, 1, 1, 1), CAlphaColour(2, 2, 2, 2), CAlphaColour(3, 3, 3, 3));
    label->setTextColour(CAlphaColour(4, 4, 4, 4));
    EXPECT_EQ(label->getFrameColour(), CAlphaColour(1, 1, 1, 1));
    EXPECT_EQ(label->getBackgroundColour(), CAlphaColour(2, 2, 2, 2));
    EXPECT_EQ(label->getTextColour(), CAlphaColour(4, 4, 4, 4));
    EXPECT_TRUE(window.redrawAreas.empty());
}

TEST(CTextLabel, AddsTextColourAndAlignmentProperties)
{
    TestWindow window(100, 100);
    CTextLabel *label = addLabel(window, CRect(0, 0, 10, 10), "old");
    Corvane::Basics::TCountedPointerArray<CControlDescriptor> list;
    label->getPropertyDescriptors(list);
    ASSERT_EQ(list.getNumberOfElements(), 14);
    EXPECT_EQ(list.getElementAtIndex(0)->getName(), "Control ID");
    std::string added;
    for (long index = 11; index < 14; index++)
        added += std::string(list.getElementAtIndex(index)->getName().getString()) + " " +
                 std::to_string(list.getElementAtIndex(index)->getType()) + ";";
    EXPECT_EQ(added, "Text 6;Text Colour 2;Alignment 7;");

    CControlDescriptor alignment("Alignment", CControlDescriptor::CHOICE);
    ASSERT_TRUE(label->getProperty(alignment));
    ASSERT_TRUE(alignment.isValueOfType(CNameList::classRecord()));
    const auto *names = static_cast<const CNameList *>(alignment.getValue());
    std::string listed;
    for (long index = 0; index < names->getNumberOfElements(); index++)
        listed += std::string(names->getName(index)->getString()) + ";";
    EXPECT_EQ(listed, "Left / Top;Center / Top;Right / Top;Left / Center;Center / Center;Right / Center;"
                      "Left / Bottom;Center / Bottom;Right / Bottom;Default Label;Default Single Line;");
    EXPECT_EQ(alignment.getSelectedIndex(), 9);

    alignment.setSelectedIndex(4);
    EXPECT_TRUE(label->setProperty(alignment));
    EXPECT_EQ(label->getTextAlignment(), 4);
    alignment.setSelectedIndex(-1);
    EXPECT_FALSE(label->setProperty(alignment));
    EXPECT_EQ(label->getTextAlignment(), 4);
    CControlDescriptor notAList("Alignment", CControlDescriptor::CHOICE, new CLong(2));
    notAList.setSelectedIndex(2);
    EXPECT_FALSE(label->setProperty(notAList));

    window.redrawAreas.clear();
    EXPECT_TRUE(label->setProperty(CControlDescriptor("Text", CControlDescriptor::TEXT, new CString("new"))));
    EXPECT_TRUE(label->setProperty(
        CControlDescriptor("Text Colour", CControlDescriptor::COLOUR, new CAlphaColour(9, 8, 7, 6))));
    EXPECT_FALSE(label->setProperty(CControlDescriptor("Text", CControlDescriptor::TEXT, new CLong(1))));
    EXPECT_EQ(label->getText(), "new");
    EXPECT_EQ(label->getTextColour(), CAlphaColour(9, 8, 7, 6));
    EXPECT_EQ(window.redrawAreas.size(), 1u); // for the text only

    // Names the label does not know are the control's.
    EXPECT_TRUE(label->setProperty(CControlDescriptor("Control ID", CControlDescriptor::WHOLE_NUMBER, new CLong(3))));
    EXPECT_EQ(label->getUniqueId(), 3);
    CControlDescriptor unknown("Font", CControlDescriptor::TEXT);
    EXPECT_FALSE(label->getProperty(unknown) || label->setProperty(unknown));
}
