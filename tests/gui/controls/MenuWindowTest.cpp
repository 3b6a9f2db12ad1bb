// Menu windows on the headless backend: every input arrives as a delivered platform message.
#include "framework/basics/CException.hpp"
#include "framework/gui/controls/CCheckMenuItem.hpp"
#include "framework/gui/controls/CMenuEvent.hpp"
#include "framework/gui/controls/CMenuItemDisplay.hpp"
#include "framework/gui/controls/CMenuWindow.hpp"
#include "framework/gui/controls/CSubMenuMenuItem.hpp"
#include "framework/gui/controls/MusicMenus.hpp"
#include "tests/gui/controls/MenuTestSupport.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{
using namespace Corvane;
using namespace Corvane::Testing;
using GUI::Controls::CMenu;
using GUI::Controls::CMenuColours;
using GUI::Controls::CMenuItem;
using GUI::Windows::CWindow;
using GUI::Controls::CMenuWindow;
using MathTools::CAlphaColour;
using MathTools::CPoint;
using MathTools::CRect;
using Platform::EMessageKind;

constexpr std::uint32_t MENU_PURPLE = 0xFF9974BC;
constexpr std::uint32_t MENU_BACKGROUND = 0xFFFFFFFF;
constexpr std::uint32_t ARROW_BLACK = 0xFF000000;

/** Writes down what a menu window reports. */
class CMenuReport : public GUI::Controls::IMenuListener
{
public:
    void handleMenuOpening(const GUI::Controls::CMenuEvent &) override { events += "open "; }
    void handleMenuClosing(const GUI::Controls::CMenuEvent &) override { events += "close "; }
    void handleMenuSelection(const GUI::Controls::CMenuEvent &event) override
    {
        events += "choose:" + std::to_string(event.getMenuItemId()) + " ";
    }

    std::string events;
};

using MenuWindow = MenuTest;

TEST_F(MenuWindow, IsMadeOnlyWhenFirstShownAsATopmostPopupBelowTheComboBox)
{
    EXPECT_EQ(menuWindow().getPlatformWindow(), nullptr);
    EXPECT_EQ(driver.getWindows().size(), 1u);

    clickComboBox();
    ASSERT_NE(menuWindow().getPlatformWindow(), nullptr);
    Platform::CHeadlessWindow &shown = record(menuWindow());
    EXPECT_TRUE(shown.isVisible());
    EXPECT_TRUE(shown.getStyle().popupMenu);
    EXPECT_EQ(shown.getOpacity(), 0.87);
    EXPECT_EQ(shown.getTitle().rfind("Menu_", 0), 0u) << shown.getTitle();
    EXPECT_EQ(shown.getPosition().x, 120) << "one pixel left of the corner, and the combo box adds it back";
    EXPECT_EQ(shown.getPosition().y, 150);
    // Three sub-menu rows in a 60-pixel combo box.
    const long height = rowHeight(menuWindow());
    EXPECT_GT(height, 8);
    EXPECT_GE(shown.getSize().width, 60);
    EXPECT_EQ(shown.getSize().height, 3 * height);
    EXPECT_EQ(CWindow::getHookWindow(), &menuWindow()) << "keys go to the open menu";
    EXPECT_TRUE(comboBox->isPressed());
}

TEST_F(MenuWindow, LaysOutNoRowAndNoGapForAnEmptySlot)
{
    Basics::TCountedReference<CMenu> gappy(new CMenu());
    for (const char *text : {"first", "second", "third"})
        gappy->addMenuItem(new CMenuItem(text, 1, CMenuItem::PLAIN, true));
    gappy->clearMenuItem(1);
    Basics::TCountedReference<CMenuWindow> window(new CMenuWindow(CRect(0, 0, 40, 100), nullptr, gappy.get(), false,
                                                                  nullptr));
    const GUI::Controls::CMenuRoot &root = window->getMenuRoot();
    ASSERT_EQ(root.getNumberOfControls(), 2);
    EXPECT_EQ(root.getDisplay(0)->getMenuItem()->getText(), "first");
    EXPECT_EQ(root.getDisplay(1)->getMenuItem()->getText(), "third");
    const long height = root.getItemHeight();
    EXPECT_EQ(root.getDisplay(1)->getArea(), CRect(0, height, root.getDisplay(1)->getArea().getWidth(), height));
    EXPECT_EQ(root.getLaidOutSize().getHeight(), 2 * height);
    EXPECT_GE(root.getLaidOutSize().getWidth(), 40);
    EXPECT_THROW(root.getDisplay(0)->setMenuItem(nullptr), Exceptions::CException);
}

TEST_F(MenuWindow, StaysOnTheScreenMovingUpOrLeftJustEnoughButNeverPastItsEdge)
{
    driver.setScreenArea({0, 0, 1920, 1080});
    Basics::TCountedReference<CMenuWindow> window(new CMenuWindow(CRect(0, 0, 60, 100), menuAttributes.get(),
                                                                  menu.get(), false, nullptr));
    const MathTools::CDimension size = window->getMenuRoot().getLaidOutSize();
    window->showMenu(CPoint(1900, 1050));
    EXPECT_EQ(window->getWindowArea(), CRect(1920 - size.getWidth(), 1080 - size.getHeight(), size.getWidth(),
                                             size.getHeight()));
    EXPECT_EQ(record(*window).getPosition().y, 1080 - size.getHeight());

    window->showMenu(CPoint(10, 20));
    EXPECT_EQ(window->getWindowPosition(), CPoint(10, 20)) << "a menu that fits stays where it was asked";

    driver.setScreenArea({0, 0, 800, static_cast<int>(size.getHeight()) - 10}); // lower than the menu
    window->showMenu(CPoint(30, 40));
    EXPECT_EQ(window->getWindowPosition(), CPoint(30, 0));
    window->hideMenu();
}

TEST_F(MenuWindow, RestingOnASubMenuRowOpensItAtTheRightEdgeLevelWithTheRow)
{
    clickComboBox();
    CMenuWindow &top = menuWindow();
    moveTo(top, rowPoint(top, 1)); // "Triplet"
    CMenuWindow *child = top.getSubMenuWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(child->isMenuShown());
    EXPECT_EQ(child->getWindowPosition(), CPoint(120 + top.getWindowSize().getWidth(), 150 + rowHeight(top)));
    EXPECT_EQ(record(*child).getPosition().x, 120 + top.getWindowSize().getWidth());
    EXPECT_EQ(rootOf(*child).getNumberOfControls(), 13);
    EXPECT_EQ(rootOf(*child).getDisplay(0)->getMenuItem()->getText(), "64T");
    EXPECT_EQ(rootOf(top).getHighlightedIndex(), 1);
    EXPECT_EQ(CWindow::getHookWindow(), child);

    deliver(top, message(EMessageKind::MOUSE_LEAVE)); // into the child
    EXPECT_EQ(rootOf(top).getHighlightedIndex(), 1) << "the sub-menu row stays highlighted";
    moveTo(*child, rowPoint(*child, 3));
    EXPECT_EQ(rootOf(*child).getHighlightedIndex(), 3);

    moveTo(top, rowPoint(top, 2)); // "Dotted" in place of "Triplet"
    ASSERT_EQ(top.getSubMenuWindow(), child) << "the child window shows the next sub-menu";
    EXPECT_EQ(rootOf(*child).getDisplay(0)->getMenuItem()->getText(), "64D");
    EXPECT_EQ(rootOf(*child).getHighlightedIndex(), -1);
    EXPECT_EQ(child->getWindowPosition(), CPoint(120 + top.getWindowSize().getWidth(), 150 + 2 * rowHeight(top)));
    EXPECT_EQ(driver.getWindows().size(), 3u);
    moveTo(top, rowPoint(top, 0));
    EXPECT_EQ(rootOf(*child).getDisplay(0)->getMenuItem()->getText(), "64");

    release(top, rowPoint(top, 2));
    press(top, rowPoint(top, 2));
    release(top, rowPoint(top, 2));
    EXPECT_TRUE(top.isMenuShown()) << "a click on a sub-menu row chooses nothing";
    EXPECT_TRUE(recorder.chosenIds.empty());
}

TEST_F(MenuWindow, IgnoresAMovementOnItsOutermostPixels)
{
    clickComboBox();
    CMenuWindow &top = menuWindow();
    moveTo(top, rowPoint(top, 1));
    CMenuWindow *child = top.getSubMenuWindow();
    ASSERT_NE(child, nullptr);
    // The pointer jumps into the sub-menu; the menu hears of the point where it left, pulled onto
    // its last row's corner.
    moveTo(*child, rowPoint(*child, 9));
    const long width = top.getWindowSize().getWidth();
    const long height = top.getWindowSize().getHeight();
    moveTo(top, CPoint(width - 1, height - 1));
    moveTo(top, CPoint(0, height / 2));
    EXPECT_EQ(rootOf(top).getHighlightedIndex(), 1);
    EXPECT_EQ(rootOf(*child).getDisplay(0)->getMenuItem()->getText(), "64T");
    EXPECT_EQ(rootOf(*child).getHighlightedIndex(), 9);

    moveTo(top, CPoint(width - 2, height - 2));
    EXPECT_EQ(rootOf(top).getHighlightedIndex(), 2) << "one pixel in, the pointer is on the last row";
}

TEST_F(MenuWindow, AChoiceInASubMenuClosesTheChainAndReachesTheComboBoxOnce)
{
    clickComboBox();
    moveTo(menuWindow(), rowPoint(menuWindow(), 1));
    CMenuWindow &child = *menuWindow().getSubMenuWindow();
    click(child, rowPoint(child, 9)); // "1/8T"
    EXPECT_EQ(recorder.chosenIds, std::vector<long>{22});
    EXPECT_EQ(comboBox->getText(), "1/8T");
    EXPECT_EQ(comboBox->getSelectedItem()->getText(), "1/8T");
    EXPECT_FALSE(comboBox->isPressed());
    EXPECT_FALSE(menuWindow().isMenuShown());
    EXPECT_FALSE(child.isMenuShown());
    EXPECT_EQ(menuWindow().getSubMenuWindow(), nullptr);
    EXPECT_EQ(rootOf(menuWindow()).getHighlightedIndex(), -1);
    EXPECT_EQ(CWindow::getHookWindow(), mainWindow.get());

    clickComboBox();
    EXPECT_TRUE(menuWindow().isMenuShown()) << "the menu opens again";
}

TEST_F(MenuWindow, PressingOnOneRowAndReleasingOnAnotherChoosesNothing)
{
    clickComboBox();
    moveTo(menuWindow(), rowPoint(menuWindow(), 0));
    CMenuWindow &child = *menuWindow().getSubMenuWindow();
    moveTo(child, rowPoint(child, 2));
    press(child, rowPoint(child, 2));
    moveTo(child, rowPoint(child, 4));
    release(child, rowPoint(child, 4));
    press(child, rowPoint(child, 4));
    release(child, rowPoint(child, 6)); // no movement between: the release lies outside the row
    EXPECT_TRUE(recorder.chosenIds.empty());
    EXPECT_TRUE(child.isMenuShown());
    EXPECT_EQ(comboBox->getText(), "1/4");
}

TEST_F(MenuWindow, AClickElsewhereClosesTheChainAndGoesNoFurther)
{
    clickComboBox();
    moveTo(menuWindow(), rowPoint(menuWindow(), 1));
    ASSERT_NE(menuWindow().getSubMenuWindow(), nullptr);
    click(*mainWindow, CPoint(200, 120)); // on the recording control
    EXPECT_FALSE(menuWindow().isMenuShown());
    EXPECT_EQ(menuWindow().getSubMenuWindow(), nullptr);
    EXPECT_EQ(underneath->summary(), "move@50,20") << "neither the press nor its release arrived";
    EXPECT_EQ(comboBox->getText(), "1/4");
    EXPECT_EQ(comboBox->getSelectedItem(), nullptr);
    EXPECT_FALSE(comboBox->isPressed());
    EXPECT_TRUE(recorder.chosenIds.empty());

    clickComboBox();
    ASSERT_TRUE(menuWindow().isMenuShown());
    clickComboBox();
    EXPECT_FALSE(menuWindow().isMenuShown()) << "a click on the combo box itself closes its menu";

    clickComboBox();
    deliver(*mainWindow, message(EMessageKind::FOCUS_LOST));
    EXPECT_FALSE(menuWindow().isMenuShown()) << "the program losing the focus closes the menu";
    EXPECT_FALSE(comboBox->isPressed());
}

TEST_F(MenuWindow, TheKeyboardMovesTheHighlightOpensSubMenusAndChooses)
{
    clickComboBox();
    pressKey(Platform::KEY_DOWN);
    pressKey(Platform::KEY_DOWN);
    EXPECT_EQ(rootOf(menuWindow()).getHighlightedIndex(), 1);
    EXPECT_EQ(menuWindow().getSubMenuWindow(), nullptr) << "the keys open a sub-menu only when asked";
    pressKey(Platform::KEY_RIGHT);
    CMenuWindow *child = menuWindow().getSubMenuWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(rootOf(*child).getHighlightedIndex(), 0);
    pressKey(Platform::KEY_DOWN);
    pressKey(Platform::KEY_RETURN);
    EXPECT_EQ(recorder.chosenIds, std::vector<long>{14});
    EXPECT_EQ(comboBox->getText(), "32T");
    EXPECT_FALSE(menuWindow().isMenuShown());
}

TEST_F(MenuWindow, TheKeysWrapSkipWhatCannotBeChosenAndCloseOneWindowAtATime)
{
    CMenu &dotted = *static_cast<GUI::Controls::CSubMenuMenuItem *>(menu->getMenuItem(2))->getSubMenu();
    dotted.getMenuItem(12)->setEnabled(false);
    clickComboBox();
    pressKey(Platform::KEY_UP);
    EXPECT_EQ(rootOf(menuWindow()).getHighlightedIndex(), 2) << "up from nothing wraps to the last row";
    pressKey(Platform::KEY_RETURN);
    CMenuWindow *child = menuWindow().getSubMenuWindow();
    ASSERT_NE(child, nullptr);
    pressKey(Platform::KEY_UP);
    EXPECT_EQ(rootOf(*child).getHighlightedIndex(), 11) << "the disabled last row is skipped";
    pressKey(Platform::KEY_DOWN);
    EXPECT_EQ(rootOf(*child).getHighlightedIndex(), 0);

    pressKey(Platform::KEY_LEFT);
    EXPECT_EQ(menuWindow().getSubMenuWindow(), nullptr);
    EXPECT_TRUE(menuWindow().isMenuShown());
    EXPECT_EQ(CWindow::getHookWindow(), &menuWindow());
    pressKey(Platform::KEY_LEFT);
    EXPECT_TRUE(menuWindow().isMenuShown()) << "Left does not close the top menu";
    pressKey(Platform::KEY_ESCAPE);
    EXPECT_FALSE(menuWindow().isMenuShown());
    EXPECT_FALSE(comboBox->isPressed());
    EXPECT_TRUE(recorder.chosenIds.empty());
    EXPECT_EQ(comboBox->getText(), "1/4");
}

TEST_F(MenuWindow, DrawsItsOutlineHighlightAndArrowsInTheMenuColours)
{
    clickComboBox();
    CMenuWindow &top = menuWindow();
    const Platform::CHeadlessWindow &shown = record(top);
    const int width = shown.getSize().width;
    const int height = shown.getSize().height;
    const int row = static_cast<int>(rowHeight(top));
    // The arrow's triangle starts 6 pixels in from the left of the last square of the row.
    const int arrowX = width - row + 8;
    EXPECT_EQ(shown.getPixel(0, 0), MENU_PURPLE);
    EXPECT_EQ(shown.getPixel(width - 1, height - 1), MENU_PURPLE);
    EXPECT_EQ(shown.getPixel(width / 2, height - 1), MENU_PURPLE);
    EXPECT_EQ(shown.getPixel(1, row / 2), MENU_BACKGROUND);
    EXPECT_EQ(shown.getPixel(arrowX, row / 2), ARROW_BLACK);

    moveTo(top, rowPoint(top, 1));
    paintPending();
    EXPECT_EQ(shown.getPixel(1, row + row / 2), MENU_PURPLE) << "the highlight fill";
    EXPECT_EQ(shown.getPixel(arrowX, row + row / 2), ARROW_BLACK);
    EXPECT_EQ(shown.getPixel(1, row / 2), MENU_BACKGROUND);

    CMenuColours colours;
    colours.setColour(CMenuColours::FRAME, CAlphaColour(10, 20, 30, 255));
    colours.setColour(CMenuColours::HIGHLIGHT_FILL, CAlphaColour(200, 100, 50, 255));
    colours.setColour(CMenuColours::SUB_MENU_ARROW, CAlphaColour(0, 128, 0, 255));
    comboBox->setMenuColours(colours);
    top.setHighlightedIndex(2);
    paintPending();
    EXPECT_EQ(shown.getPixel(0, row / 2), 0xFF0A141Eu) << "the menu's outline";
    EXPECT_EQ(shown.getPixel(width / 2, 2 * row), 0xFF0A141Eu) << "the highlight's outline";
    EXPECT_EQ(shown.getPixel(1, 2 * row + row / 2), 0xFFC86432u) << "the highlight's fill";
    EXPECT_EQ(shown.getPixel(1, row + row / 2), MENU_BACKGROUND) << "the old highlight is gone";
    EXPECT_EQ(shown.getPixel(arrowX, row / 2), 0xFF008000u);
}

TEST_F(MenuWindow, LaysOutItsRowsWhenFirstShownInTheFontAndColoursGivenBefore)
{
    CMenuColours colours;
    colours.setColour(CMenuColours::SUB_MENU_ARROW, CAlphaColour(0, 128, 0, 255));
    comboBox->setMenuColours(colours);
    Basics::TCountedReference<GUI::Graphics::CFont> large(new GUI::Graphics::CFont("Arial", 24));
    comboBox->setFont(large.get());

    clickComboBox();
    CMenuWindow &top = menuWindow();
    const Platform::CHeadlessWindow &shown = record(top);
    const int row = static_cast<int>(rowHeight(top));
    EXPECT_GT(row, 30) << "rows of 24-point text";
    EXPECT_EQ(shown.getSize().height, 3 * row);
    EXPECT_EQ(shown.getPixel(shown.getSize().width - row + 8, row / 2), 0xFF008000u) << "the arrow's colour";
}

TEST_F(MenuWindow, ReportsToItsListenerAndChoosesWithTheSameClickAsTheComboBox)
{
    CMenuReport report;
    Basics::TCountedReference<CMenu> items(new CMenu());
    items->addMenuItem(new CMenuItem("Tap", 5, CMenuItem::PLAIN, true));
    items->addMenuItem(new CMenuItem("", 0, CMenuItem::SEPARATOR, true));
    items->addMenuItem(new GUI::Controls::CCheckMenuItem("Metronome", 6, false));
    items->addMenuItem(new CMenuItem("Off", 7, CMenuItem::PLAIN, false));
    Basics::TCountedReference<CMenuWindow> window(new CMenuWindow(CRect(0, 0, 60, 100), menuAttributes.get(),
                                                                  items.get(), false, &report));
    window->showMenu(CPoint(300, 300));
    window->hideMenu();
    window->hideMenu();
    EXPECT_EQ(report.events, "open close ") << "a hidden menu is not closed again";

    window->showMenu(CPoint(300, 300));
    GUI::Controls::CMenuRoot &root = window->getMenuRoot();
    EXPECT_EQ(root.getDisplay(1)->getArea().getHeight(), 4) << "the separator";
    click(*window, rowPoint(*window, 1));
    click(*window, rowPoint(*window, 3));
    EXPECT_EQ(report.events, "open close open ") << "neither a separator nor a disabled row is a choice";
    EXPECT_EQ(root.getHighlightedIndex(), -1);

    click(*window, rowPoint(*window, 2));
    EXPECT_EQ(report.events, "open close open choose:6 ");
    EXPECT_TRUE(static_cast<GUI::Controls::CCheckMenuItem *>(items->getMenuItem(2))->isChecked());
    EXPECT_FALSE(window->isMenuShown());
}
} // namespace
