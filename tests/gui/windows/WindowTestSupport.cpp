#include "tests/gui/windows/WindowTestSupport.hpp"

#include "framework/application/CApplication.hpp"
#include "framework/gui/controls/CDropEvent.hpp"
#include "framework/gui/controls/CKeyboardEvent.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"
#include "framework/gui/controls/IControlRoot.hpp"
#include "framework/gui/graphics/CGraphics.hpp"
#include "framework/gui/windows/CCursor.hpp"


namespace Corvane::Testing
{
using MathTools::CRect;
using Platform::EMessageKind;
using Platform::SPlatformMessage;

namespace
{
/** Process-wide objects a first test makes on first use, made before the counts are taken. */
LiveCounts countsAfterFirstUse()
{
    GUI::Windows::CCursor::getPredefinedCursor(GUI::Windows::CCursor::ARROW);
    Application::CApplication::getProductName();
    Application::CApplication::getApplicationPath();
    GUI::Controls::CNameList().addName("makes the list's shared ownership policy");
    return LiveCounts();
}
} // namespace

HeadlessWindowTest::HeadlessWindowTest()
    : driver(Platform::CHeadlessDriver::install()), m_countsBefore(countsAfterFirstUse())
{
}

HeadlessWindowTest::~HeadlessWindowTest()
{
    const std::string leftAlive = LiveCounts().differencesFrom(m_countsBefore);
    EXPECT_EQ("", leftAlive) << "objects left alive by the test";
}

Basics::TCountedReference<GUI::Windows::CWindow> HeadlessWindowTest::openWindow(const CRect &area)
{
    Basics::TCountedReference<GUI::Windows::CWindow> window(new GUI::Windows::CWindow(area));
    GUI::Windows::CWindowAttributes attributes;
    attributes.setAttributes("Test", MathTools::CColour(200, 210, 220), 1.0, nullptr, true, false);
    window->intialiseWindow(&attributes, true);
    return window;
}

Platform::CHeadlessWindow &HeadlessWindowTest::record(const GUI::Windows::CWindow &window) const
{
    return driver.getRecord(*window.getPlatformWindow());
}

void HeadlessWindowTest::deliver(GUI::Windows::CWindow &window, const SPlatformMessage &message)
{
    driver.deliver(*window.getPlatformWindow(), message);
}

SPlatformMessage message(EMessageKind kind)
{
    SPlatformMessage made;
    made.kind = kind;
    return made;
}

SPlatformMessage mouse(EMessageKind kind, int x, int y, Platform::EMouseButton button)
{
    SPlatformMessage made = message(kind);
    made.position = {x, y};
    made.button = button;
    return made;
}

SPlatformMessage key(EMessageKind kind, char character)
{
    SPlatformMessage made = message(kind);
    made.key = character;
    made.character = character;
    return made;
}

Picture drawnOffscreen(GUI::Windows::CWindow &window)
{
    const MathTools::CDimension &size = window.getWindowSize();
    GUI::Graphics::CGraphics graphics;
    graphics.initialiseBuffered(size, window.getWindowAttributes()->getBackgroundColour());
    graphics.setUpdateArea(CRect(0, 0, size.getWidth(), size.getHeight()));
    window.getControlRoot()->drawRootArea(graphics);
    Picture picture;
    for (long y = 0; y < size.getHeight(); y++)
        for (long x = 0; x < size.getWidth(); x++)
            picture.push_back(graphics.getNativeImage().getPixel(x, y));
    graphics.uninitialise();
    return picture;
}

std::string imageFixture(const std::string &name)
{
    return std::string(CORVANE_IMAGE_FIXTURES) + "/" + name;
}

} // namespace Corvane::Testing
