// The combo box in a window on the headless backend.
#include "framework/basics/CException.hpp"
#include "framework/gui/controls/CComboBox.hpp"
#include "framework/gui/controls/CMenuItemDisplay.hpp"
#include "framework/gui/controls/IControlRoot.hpp"
#include "framework/gui/graphics/CTGAImage.hpp"
#include "tests/gui/controls/MenuTestSupport.hpp"
#include "tests/gui/graphics/ImageTestSupport.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

namespace
{
using namespace Corvane;
using namespace Corvane::Testing;
using GUI::Controls::CComboBox;
using GUI::Controls::CMenu;
using GUI::Controls::CMenuItem;
using GUI::Windows::CWindow;
using MathTools::CAlphaColour;
using MathTools::CPoint;
using MathTools::CRect;

using ComboBox = MenuTest;

/** The pixels of the combo box's area as the main window paints them now. */
Picture comboBoxPixels(CWindow &window, const CComboBox &comboBox)
{
    window.drawOffscreen(CRect(0, 0, 300, 200));
    Picture pixels;
    const CRect &area = comboBox.getWindowArea();
    for (long y = area.getTop(); y < area.getBottom(); y++)
        for (long x = area.getLeft(); x < area.getRight(); x++)
            pixels.push_back(window.getOffscreenPicture().getPixel(x, y));
    return pixels;
}

TEST_F(ComboBox, RefusesANullMenu)
{
    try
    {
        CComboBox refused(mainWindow->getControlRoot(), 3, CRect(0, 0, 10, 10), "", nullptr, nullptr);
        FAIL() << "no exception";
    }
    catch (const Exceptions::CException &caught)
    {
        EXPECT_EQ(caught.getErrorReason(), "Menu is NULL");
        EXPECT_EQ(caught.getFunctionName(),
                  "CComboBox::CComboBox(IControlRoot *, const long, const CRect &, const CString &, CMenu *)");
    }
}

TEST_F(ComboBox, DoesNothingWhenClickedBeforeItHasAMenuWindow)
{
    auto *plain = new CComboBox(mainWindow->getControlRoot(), 3, CRect(20, 60, 60, 20), "1/4", menu.get(), &recorder);
    mainWindow->getControlRoot()->addControl(plain);
    plain->setDefaultControlDrawing(true);
    const Picture before = comboBoxPixels(*mainWindow, *plain);
    click(*mainWindow, CPoint(50, 70));
    EXPECT_FALSE(plain->isPressed());
    EXPECT_EQ(plain->getMenuWindow(), nullptr);
    EXPECT_EQ(driver.getWindows().size(), 1u);
    EXPECT_EQ(comboBoxPixels(*mainWindow, *plain), before);
}

TEST_F(ComboBox, SelectsAnIndexOnlyWithinTheMenusSlotsAndTellsNobody)
{
    Basics::TCountedReference<CMenu> three(new CMenu());
    for (const char *text : {"a", "b", "c"})
        three->addMenuItem(new CMenuItem(text, 40, CMenuItem::PLAIN, true));
    comboBox->setMenu(three.get());
    comboBox->setSelectedIndex(1);
    EXPECT_EQ(comboBox->getText(), "b");
    EXPECT_EQ(comboBox->getSelectedItem(), three->getMenuItem(1));
    EXPECT_EQ(comboBox->getSelectedIndex(), 1);

    comboBox->setSelectedIndex(5); // an empty slot of 32
    EXPECT_EQ(comboBox->getText(), "b");
    EXPECT_EQ(comboBox->getSelectedItem(), nullptr);
    EXPECT_EQ(comboBox->getSelectedIndex(), 5);
    comboBox->setSelectedIndex(40);
    comboBox->setSelectedIndex(-1);
    EXPECT_EQ(comboBox->getSelectedIndex(), 5);
    EXPECT_TRUE(recorder.chosenIds.empty());
    EXPECT_EQ(comboBox->getMenuItem(2)->getText(), "c");
}

TEST_F(ComboBox, KeepsShowingItsOldMenuUntilTheMenuWindowIsMadeAgain)
{
    Basics::TCountedReference<CMenu> other(new CMenu());
    other->addMenuItem(new CMenuItem("Only", 99, CMenuItem::PLAIN, true));
    comboBox->setMenu(other.get());
    EXPECT_EQ(comboBox->getMenuWindow()->getMenu(), menu.get());
    comboBox->createMenuWindow(menuAttributes.get(), false);
    clickComboBox();
    GUI::Controls::CMenuWindow &window = *comboBox->getMenuWindow();
    EXPECT_EQ(window.getMenu(), other.get());
    click(window, rowPoint(window, 0));
    EXPECT_EQ(recorder.chosenIds, std::vector<long>{99});
    EXPECT_EQ(comboBox->getText(), "Only");
}

TEST_F(ComboBox, HandsItsFontAndColoursToItsMenu)
{
    GUI::Graphics::CFont large("Arial", 30);
    large.reference();
    const long usualHeight = rowHeight(menuWindow());
    comboBox->setFont(&large);
    EXPECT_EQ(comboBox->getFont(), &large);
    EXPECT_EQ(menuWindow().getMenuRoot().getFont(), &large);
    EXPECT_GT(rowHeight(menuWindow()), usualHeight) << "the menu is laid out again in the new font";

    GUI::Controls::CMenuColours colours;
    colours.setColour(GUI::Controls::CMenuColours::ITEM_TEXT, CAlphaColour(1, 2, 3, 255));
    comboBox->setMenuColours(colours);
    EXPECT_EQ(menuWindow().getMenuRoot().getDisplay(0)->getTextLabel().getTextColour(), CAlphaColour(1, 2, 3, 255));
    comboBox->setFont(nullptr);
}

TEST_F(ComboBox, LooksPressedWhileItsMenuIsOpen)
{
    comboBox->setDefaultControlDrawing(true);
    comboBox->setColours(CAlphaColour(255, 0, 0, 255), CAlphaColour(0, 0, 255, 255), CAlphaColour(0, 0, 0, 255));
    const CRect &area = comboBox->getWindowArea();
    auto pixel = [&](long x, long y) { return comboBoxPixels(*mainWindow, *comboBox)[y * area.getWidth() + x]; };
    EXPECT_EQ(pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixel(30, 2), 0xFF0000FFu);

    clickComboBox();
    EXPECT_EQ(pixel(0, 0), 0xFFFF0000u) << "the frame stays";
    EXPECT_EQ(pixel(30, 2), 0xFFC8D2DCu) << "without its fill: the window's background shows";

    Corvane::Testing::TemporaryFolder folder;
    std::vector<unsigned char> green;
    for (int each = 0; each < 4; each++)
        green.insert(green.end(), {0, 200, 0, 255});
    Basics::TCountedReference<GUI::Graphics::CBaseImage> pressed(
        new GUI::Graphics::CTGAImage(folder.write("pressed.tga", targaFile(2, 2, green)).c_str()));
    comboBox->setPressedImage(pressed.get());
    EXPECT_EQ(pixel(30, 2), 0xFF00C800u);
    EXPECT_EQ(pixel(0, 0), 0xFF00C800u);

    deliver(*mainWindow, message(Platform::EMessageKind::FOCUS_LOST));
    EXPECT_EQ(pixel(30, 2), 0xFF0000FFu);
}
} // namespace
