// The calculator window on the headless backend: its panels, their first results, choices from
// the drop-downs, range messages through the message-box handler, and a clean shutdown.
#include "app/COrvoWindow.hpp"
#include "app/layout/CPanelLayout.hpp"
#include "app/panels/CCalculatorPanel.hpp"
#include "framework/application/CApplication.hpp"
#include "framework/gui/controls/CActionEvent.hpp"
#include "framework/gui/controls/CMenu.hpp"
#include "framework/gui/controls/CMenuEvent.hpp"
#include "framework/gui/controls/CMenuItem.hpp"
#include "framework/gui/controls/CSubMenuMenuItem.hpp"
#include "framework/gui/graphics/CFont.hpp"
#include "framework/gui/windows/Dialogs.hpp"
#include "tests/gui/windows/WindowTestSupport.hpp"

#include <gtest/gtest.h>

namespace
{
using namespace Corvane;
using namespace Corvane::Orvo;
using GUI::Controls::CMenu;
using GUI::Controls::CMenuItem;

class OrvoWindowTest : public Testing::HeadlessWindowTest
{
protected:
    OrvoWindowTest()
    {
        Application::CApplication::setApplicationPath(ORVO_RUNTIME_DIR);
        GUI::Graphics::CFont::setDefaultFont(new GUI::Graphics::CFont("Arial", 8));
        GUI::Windows::setMessageBoxHandler([this](const Basics::CString &text, const Basics::CString &title,
                                                  GUI::Windows::EMessageBoxKind) {
            boxes.push_back(std::string(title.getString()) + ": " + text.getString());
            return true;
        });
        window.reset(new COrvoWindow(MathTools::CRect(0, 0, CPanelLayout::CLIENT_WIDTH, CPanelLayout::CLIENT_HEIGHT)));
    }
    ~OrvoWindowTest() override
    {
        window.reset(nullptr);
        GUI::Windows::setMessageBoxHandler(nullptr);
        GUI::Graphics::CFont::setDefaultFont(nullptr);
    }

    CCalculatorPanel &panel(EPanel which)
    {
        auto *found = dynamic_cast<CCalculatorPanel *>(
            window->getControlRoot()->getControlAtIndex(static_cast<long>(which), true));
        EXPECT_NE(nullptr, found);
        return *found;
    }

    /** Chooses @p item in the panel's combo box, as its menu window reports a click on it. */
    static void choose(CCalculatorPanel &in, CMenuItem *item)
    {
        in.getChooser()->handleMenuSelection(GUI::Controls::CMenuEvent(item, in.getChooser()->getMenu()));
    }

    static CMenuItem *itemOf(CMenu *menu, long subMenu, long index)
    {
        auto *sub = dynamic_cast<GUI::Controls::CSubMenuMenuItem *>(menu->getMenuItem(subMenu));
        return sub != nullptr ? sub->getSubMenu()->getMenuItem(index) : nullptr;
    }

    std::vector<std::string> boxes;
    Basics::TCountedReference<COrvoWindow> window;
};

TEST_F(OrvoWindowTest, TenPanelsStackedInTheirStripsEachShowingItsFirstResult)
{
    ASSERT_EQ(CPanelCalculation::PANEL_COUNT, window->getControlRoot()->getNumberOfControls());
    for (const SPanelLayout &layout : CPanelLayout::getPanels())
    {
        CCalculatorPanel &shown = panel(layout.panel);
        EXPECT_STREQ(layout.className, shown.getClass().getClassName());
        EXPECT_EQ(layout.getStripArea(CPanelLayout::CLIENT_WIDTH), shown.getArea());
        const Basics::CString expected =
            layout.getCalculation().calculate(layout.getInitialFieldTexts(), layout.initialChoice).getResultText();
        EXPECT_STREQ(expected.getString(), shown.getResult().getText().getString()) << layout.className;
    }
    EXPECT_STREQ("500.00", panel(EPanel::DELAY).getResult().getText().getString());
    EXPECT_STREQ("440.00", panel(EPanel::NOTE_FREQUENCY).getResult().getText().getString());
    EXPECT_STREQ("1/4", panel(EPanel::DELAY).getChooser()->getText().getString());
    EXPECT_EQ(14, GUI::Graphics::CFont::getDefaultFont()->getPointSize());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OrvoWindowTest, DivisionPanelsKeepTheirOwnChoiceFromTheSharedMenu)
{
    CCalculatorPanel &delay = panel(EPanel::DELAY);
    CCalculatorPanel &lfo = panel(EPanel::LFO);
    EXPECT_EQ(delay.getChooser()->getMenu(), lfo.getChooser()->getMenu()) << "one menu object";
    CMenuItem *eighthTriplet = itemOf(window->getTempoDivisionMenu(), 1, 9);
    ASSERT_NE(nullptr, eighthTriplet);
    EXPECT_EQ(22, eighthTriplet->getId());
    choose(delay, eighthTriplet);
    EXPECT_STREQ("1/8T", delay.getChooser()->getText().getString());
    EXPECT_STREQ("166.67", delay.getResult().getText().getString());
    EXPECT_STREQ("1/4", lfo.getChooser()->getText().getString()) << "the LFO panel keeps its own choice";
    EXPECT_STREQ(panel(EPanel::LFO).getResult().getText().getString(), lfo.getResult().getText().getString());

    choose(delay, nullptr);
    EXPECT_EQ((std::vector<std::string>{"Orvo Error: Please select a valid tempo division"}), boxes);
    EXPECT_STREQ("166.67", delay.getResult().getText().getString()) << "nothing is calculated without a division";
}

TEST_F(OrvoWindowTest, TheNoteMenuHoldsEveryNoteByOctave)
{
    CCalculatorPanel &notes = panel(EPanel::NOTE_FREQUENCY);
    CMenu *menu = notes.getChooser()->getMenu();
    EXPECT_STREQ("Octave #-1", menu->getMenuItem(0)->getText().getString());
    CMenuItem *g9 = itemOf(menu, 10, 7);
    ASSERT_NE(nullptr, g9);
    EXPECT_STREQ("  G9  ", g9->getText().getString());
    EXPECT_EQ(127, g9->getId());

    choose(notes, itemOf(menu, 5, 0));
    EXPECT_STREQ("261.63", notes.getResult().getText().getString()) << "C4";
}

TEST_F(OrvoWindowTest, EveryRangeMessageIsShownInOrderAndTheFieldIsReset)
{
    for (const SPanelLayout &layout : CPanelLayout::getPanels())
    {
        CCalculatorPanel &shown = panel(layout.panel);
        std::vector<Basics::CString> texts;
        for (std::size_t field = 0; field < layout.getInitialFieldTexts().size(); field++)
        {
            shown.getField(field).setText("0");
            texts.push_back("0");
        }
        if (texts.empty())
            continue;
        boxes.clear();
        shown.handleActionEvent(GUI::Controls::CActionEvent(&shown.getField(0)));

        const CCalculationOutcome expected = layout.getCalculation().calculate(texts, layout.initialChoice);
        std::vector<std::string> messages;
        for (const CPanelMessage &message : expected.getMessages())
            messages.push_back(std::string(message.getTitle().getString()) + ": " + message.getText().getString());
        EXPECT_EQ(messages, boxes) << layout.className;
        for (std::size_t field = 0; field < texts.size(); field++)
            EXPECT_STREQ(expected.getFieldTexts()[field].getString(), shown.getField(field).getText().getString());
        EXPECT_STREQ(expected.getResultText().getString(), shown.getResult().getText().getString());
    }
    EXPECT_STREQ("120.00", panel(EPanel::DELAY).getField(0).getText().getString()) << "0 bpm resets to 120.00";
}
} // namespace
