#include "app/layout/CPanelLayout.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace Corvane::Orvo;
using Corvane::MathTools::CAlphaColour;
using Corvane::MathTools::CRect;

namespace
{
const char *kindName(EControlKind kind)
{
    switch (kind)
    {
    case EControlKind::TEXT_EDIT:
        return "edit";
    case EControlKind::COMBO_BOX:
        return "combo";
    case EControlKind::RESULT_LABEL:
        return "result";
    }
    return "?";
}

/** "edit 0 126,9,74,20 '120.00'": what the panels are built from. */
std::string describe(const SControlLayout &control)
{
    return std::string(kindName(control.kind)) + " " + std::to_string(control.uniqueId) + " " +
           CRect::getRectAsString(control.getArea()).getString() + " '" + control.initialText + "'";
}

std::vector<std::string> describeControls(const SPanelLayout &panel)
{
    std::vector<std::string> controls;
    for (const SControlLayout &control : panel.controls)
        controls.push_back(describe(control));
    return controls;
}

bool overlap(const CRect &a, const CRect &b)
{
    CRect common;
    CRect::getIntersectionArea(a, b, common);
    return common.getWidth() > 0 && common.getHeight() > 0;
}

bool contains(const CRect &outer, const CRect &inner)
{
    return inner.getLeft() >= outer.getLeft() && inner.getTop() >= outer.getTop() &&
           inner.getRight() <= outer.getRight() && inner.getBottom() <= outer.getBottom();
}

std::string colours(const SControlColours &set)
{
    std::string text;
    for (const CAlphaColour *colour : {&set.frame, &set.background, &set.text})
        text += std::to_string(colour->getRed()) + "," + std::to_string(colour->getGreen()) + "," +
                std::to_string(colour->getBlue()) + "," + std::to_string(colour->getAlpha()) + " ";
    return text;
}
} // namespace

TEST(CPanelLayout, StripsAreStackedInCreationOrderWithoutGaps)
{
    const char *classes[] = {"CDelayPanel",       "CTimeToBpmPanel",  "CBpmToTimePanel", "CTempoNoteShiftPanel",
                             "CTimeStretchPanel", "CTempoShiftPanel", "CLfoPanel",       "CClosestDivisionPanel",
                             "CNoteFrequencyPanel", "CClosestNotePanel"};
    const auto &panels = CPanelLayout::getPanels();
    long top = CPanelLayout::HEADER_BOTTOM;
    EXPECT_EQ(top, 62);
    for (std::size_t index = 0; index < panels.size(); index++)
    {
        const SPanelLayout &panel = panels[index];
        SCOPED_TRACE(panel.className);
        EXPECT_STREQ(panel.className, classes[index]);
        EXPECT_EQ(static_cast<std::size_t>(panel.panel), index);
        EXPECT_EQ(&CPanelLayout::getPanel(panel.panel), &panel);
        EXPECT_EQ(panel.getStripArea(CPanelLayout::CLIENT_WIDTH), CRect(0, top, 469, 51));
        EXPECT_TRUE(contains(CRect(0, 0, 476, 613), panel.getStripArea(CPanelLayout::CLIENT_WIDTH)));
        EXPECT_NE(std::string(panel.name), "");
        top += 51;
    }
    EXPECT_EQ(top, CPanelLayout::FOOTER_TOP);
    EXPECT_EQ(CPanelLayout::FOOTER_TOP, 572);
    // A window area wider than its client area (a frame drawn by the program) widens the strips with it.
    EXPECT_EQ(panels[0].getStripArea(482), CRect(0, 62, 475, 51));
}

TEST(CPanelLayout, ControlsHaveTheirKindsIdsAreasAndTexts)
{
    using Rows = std::vector<std::string>;
    const Rows expected[] = {
        {"edit 0 126,9,74,20 '120.00'", "combo 1 220,9,74,20 '1/4'", "result -1 349,9,104,20 ' '"},
        {"edit 0 126,9,74,20 '2.00'", "edit 1 220,9,74,20 '4'", "result -1 349,9,104,20 ' '"},
        {"edit 0 126,9,74,20 '120.00'", "edit 1 220,9,74,20 '4'", "result -1 349,9,104,20 ' '"},
        {"edit 0 126,9,74,20 '120.00'", "edit 1 220,9,74,20 '240.00'", "result -1 349,9,104,20 ' '"},
        {"edit 0 126,9,74,20 '120.00'", "edit 1 220,9,74,20 '125.00'", "result -1 349,9,104,20 ' '"},
        {"edit 0 126,9,74,20 '120.00'", "edit 1 220,9,74,20 '12.00'", "result -1 349,9,104,20 ' '"},
        {"edit 0 126,9,74,20 '120.00'", "combo 1 220,9,74,20 '1/4'", "result -1 349,9,104,20 ' '"},
        {"edit 0 126,9,74,20 '120.00'", "edit 1 220,9,74,20 '2.00'", "result -1 349,9,104,20 ' '"},
        {"combo -1 220,9,74,20 'A4'", "result -1 349,9,104,20 ' '"},
        {"edit -1 189,9,104,20 '440.00'", "result -1 349,9,104,20 ' '"},
    };
    const auto &panels = CPanelLayout::getPanels();
    for (std::size_t index = 0; index < panels.size(); index++)
        EXPECT_EQ(describeControls(panels[index]), expected[index]) << panels[index].className;

    EXPECT_EQ(CPanelLayout::getPanel(EPanel::DELAY).initialChoice, 8);
    EXPECT_EQ(CPanelLayout::getPanel(EPanel::LFO).initialChoice, 8);
    EXPECT_EQ(CPanelLayout::getPanel(EPanel::NOTE_FREQUENCY).initialChoice, 69);
    EXPECT_EQ(CPanelLayout::getPanel(EPanel::TEMPO_SHIFT).initialChoice, SPanelLayout::NO_CHOICE);
    EXPECT_EQ(CPanelLayout::TEXT_ALIGNMENT, 4);

    const SPanelLayout &delay = CPanelLayout::getPanel(EPanel::DELAY);
    EXPECT_EQ(colours(delay.controls[0].getColours()), "0,0,0,255 88,88,93,255 220,214,248,255 ");
    EXPECT_EQ(colours(delay.controls[1].getColours()), "0,0,0,255 88,88,93,255 220,214,248,255 ");
    EXPECT_EQ(colours(delay.getResult().getColours()), "0,0,0,255 255,255,255,255 221,185,50,255 ");
}

TEST(CPanelLayout, ControlsAndCaptionsStayInTheirStripApart)
{
    std::set<std::string> units;
    for (const SPanelLayout &panel : CPanelLayout::getPanels())
    {
        SCOPED_TRACE(panel.className);
        const CRect strip(0, 0, panel.getStripArea(CPanelLayout::CLIENT_WIDTH).getWidth(), CPanelLayout::STRIP_HEIGHT);
        std::vector<CRect> taken;
        for (const SControlLayout &control : panel.controls)
        {
            EXPECT_TRUE(contains(strip, control.getArea())) << describe(control);
            EXPECT_TRUE(contains(strip, control.getCaptionArea())) << describe(control);
            EXPECT_GT(control.getCaptionArea().getTop(), control.getArea().getBottom() - 1);
            EXPECT_EQ(control.getCaptionArea().getLeft(), control.getArea().getLeft());
            EXPECT_EQ(control.getCaptionArea().getWidth(), control.getArea().getWidth());
            for (const CRect &other : taken)
            {
                EXPECT_FALSE(overlap(other, control.getArea())) << describe(control);
                EXPECT_FALSE(overlap(other, control.getCaptionArea())) << describe(control);
            }
            taken.push_back(control.getArea());
            taken.push_back(control.getCaptionArea());
            units.insert(control.unit);
        }
        EXPECT_EQ(panel.getResult().kind, EControlKind::RESULT_LABEL);
    }
    EXPECT_EQ(units, (std::set<std::string>{"bpm", "note", "ms", "seconds", "beats", "semitones", "%", "Hz"}));
}

TEST(CPanelLayout, TextEditsHoldTheCalculationFieldsInOrder)
{
    using Texts = std::vector<std::string>;
    const Texts resets[] = {{"120.00"},           {"8.00", "4"},       {"120.00", "4"},  {"120.00", "120.00"},
                            {"120.00", "120.00"}, {"120.00", "12.00"}, {"120.00"},       {"120.00", "440.00"},
                            {},                   {"440.00"}};
    const auto &panels = CPanelLayout::getPanels();
    for (std::size_t index = 0; index < panels.size(); index++)
    {
        const SPanelLayout &panel = panels[index];
        SCOPED_TRACE(panel.className);
        Texts resetTexts;
        int nextField = 0;
        for (const SControlLayout &control : panel.controls)
        {
            if (control.kind == EControlKind::TEXT_EDIT)
            {
                EXPECT_EQ(control.field, nextField++);
                resetTexts.push_back(panel.getResetText(control).getString());
            }
            else
            {
                EXPECT_EQ(control.field, SControlLayout::NO_FIELD);
                EXPECT_STREQ(panel.getResetText(control).getString(), " ");
            }
        }
        EXPECT_EQ(static_cast<std::size_t>(nextField), panel.getCalculation().getFieldCount());
        EXPECT_EQ(resetTexts, resets[index]);
    }
}

TEST(CPanelLayout, InitialTextsGiveTheInitialResultsUnchanged)
{
    const char *results[] = {"500.00", "120.00", "2.00", "12.00", "96.00", "240.00", "2.00", "1/4", "440.00", "A4"};
    const auto &panels = CPanelLayout::getPanels();
    for (std::size_t index = 0; index < panels.size(); index++)
    {
        const SPanelLayout &panel = panels[index];
        SCOPED_TRACE(panel.className);
        const std::vector<Corvane::Basics::CString> texts = panel.getInitialFieldTexts();
        const CCalculationOutcome outcome = panel.getCalculation().calculate(texts, panel.initialChoice);
        EXPECT_STREQ(outcome.getResultText().getString(), results[index]);
        EXPECT_TRUE(outcome.getMessages().empty());
        // The texts are already written as the fields write them, so the first calculation keeps them.
        ASSERT_EQ(outcome.getFieldTexts().size(), texts.size());
        for (std::size_t field = 0; field < texts.size(); field++)
            EXPECT_STREQ(outcome.getFieldTexts()[field].getString(), texts[field].getString());
    }
}
