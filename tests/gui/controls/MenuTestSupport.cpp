#include "tests/gui/controls/MenuTestSupport.hpp"

#include "framework/gui/controls/CMenuItemDisplay.hpp"
#include "framework/gui/controls/IControlRoot.hpp"
#include "framework/gui/controls/MusicMenus.hpp"
#include "framework/gui/graphics/CFont.hpp"
#include "framework/mathtools/CPolygon.hpp"

namespace Corvane::Testing
{
using GUI::Controls::CMenuWindow;
using MathTools::CPoint;
using MathTools::CRect;
using Platform::EMessageKind;

namespace
{
/**
 * Objects that live for the whole process once made, made before any test counts what it leaves
 * alive: the shared ownership policy of a polygon's points (the sub-menu arrow is a polygon).
 */
class CProcessWideObjects : public testing::Environment
{
public:
    void SetUp() override { MathTools::CPolygon triangle(3); }
};

[[maybe_unused]] testing::Environment *const processWideObjects =
    testing::AddGlobalTestEnvironment(new CProcessWideObjects);
} // namespace

void CChoiceRecorder::handleActionEvent(const GUI::Controls::CActionEvent &event)
{
    chosenIds.push_back(static_cast<GUI::Controls::CComboBox *>(event.getControl())->getSelectedIndex());
}

MenuTest::MenuTest()
    : mainWindow(openWindow(CRect(100, 100, 300, 200))),
      menu(new GUI::Controls::CMenu()),
      menuAttributes(new GUI::Windows::CWindowAttributes())
{
    GUI::Graphics::CFont::setDefaultFont(new GUI::Graphics::CFont("Arial", 14));
    GUI::Controls::buildTempoDivisionMenu(menu.get());
    menuAttributes->setAttributes("Menus", MathTools::CColour(255, 255, 255), 0.87, nullptr, true, false);
    GUI::Controls::IControlRoot &root = *mainWindow->getControlRoot();
    comboBox = new GUI::Controls::CComboBox(&root, 1, CRect(20, 30, 60, 20), "1/4", menu.get(), &recorder);
    root.addControl(comboBox);
    underneath = new RecordingControl(&root, 2, CRect(150, 100, 100, 50));
    root.addControl(underneath);
    comboBox->createMenuWindow(menuAttributes.get(), false);
}

MenuTest::~MenuTest()
{
    mainWindow.reset(nullptr);
    GUI::Graphics::CFont::setDefaultFont(nullptr);
}

CMenuWindow &MenuTest::menuWindow() const
{
    return *comboBox->getMenuWindow();
}

GUI::Controls::CMenuRoot &MenuTest::rootOf(const CMenuWindow &window) const
{
    return window.getMenuRoot();
}

long MenuTest::rowHeight(const CMenuWindow &window) const
{
    return window.getMenuRoot().getItemHeight();
}

CPoint MenuTest::rowPoint(const CMenuWindow &window, long row) const
{
    const CRect &area = window.getMenuRoot().getDisplay(row)->getArea();
    return CPoint(area.getLeft() + 10, area.getTop() + area.getHeight() / 2);
}

void MenuTest::moveTo(GUI::Windows::CWindow &window, const CPoint &point)
{
    deliver(window, mouse(EMessageKind::MOUSE_MOVE, static_cast<int>(point.getXPosition()),
                          static_cast<int>(point.getYPosition())));
}

void MenuTest::press(GUI::Windows::CWindow &window, const CPoint &point)
{
    deliver(window, mouse(EMessageKind::BUTTON_DOWN, static_cast<int>(point.getXPosition()),
                          static_cast<int>(point.getYPosition())));
}

void MenuTest::release(GUI::Windows::CWindow &window, const CPoint &point)
{
    deliver(window, mouse(EMessageKind::BUTTON_UP, static_cast<int>(point.getXPosition()),
                          static_cast<int>(point.getYPosition())));
}

void MenuTest::click(GUI::Windows::CWindow &window, const CPoint &point)
{
    moveTo(window, point);
    press(window, point);
    release(window, point);
}

void MenuTest::clickComboBox()
{
    click(*mainWindow, CPoint(50, 40));
}

void MenuTest::pressKey(std::int32_t key)
{
    Platform::SPlatformMessage down = message(EMessageKind::KEY_DOWN);
    down.key = key;
    deliver(*mainWindow, down);
    Platform::SPlatformMessage up = down;
    up.kind = EMessageKind::KEY_UP;
    deliver(*mainWindow, up);
}

void MenuTest::paintPending()
{
    GUI::Windows::CWindow::paintPendingWindows();
}
} // namespace Corvane::Testing
