// A thin check of the window on the backend users run: SDL 2, here on its dummy video driver.
#include "framework/application/CApplication.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/CTextLabel.hpp"
#include "framework/gui/controls/IControlRoot.hpp"
#include "framework/gui/windows/CWindow.hpp"
#include "framework/platform/IPlatformDriver.hpp"
#include "framework/platform/IPlatformWindow.hpp"

#include <gtest/gtest.h>

namespace
{
using namespace Corvane;
using GUI::Windows::CWindow;

TEST(WindowOnSdl, OpensPaintsAndClosesThroughTheSdlBackend)
{
    ASSERT_TRUE(Platform::selectPlatformDriver("sdl"));
    {
        Basics::TCountedReference<CWindow> window(new CWindow(MathTools::CRect(0, 0, 160, 90)));
        auto *label = new GUI::Controls::CTextLabel(window->getControlRoot(), 1, MathTools::CRect(10, 10, 100, 20), "120.00");
        window->getControlRoot()->addControl(label);
        GUI::Windows::CWindowAttributes attributes;
        attributes.setAttributes("SDL smoke", MathTools::CColour(255, 255, 255), 1.0, nullptr, true, false);
        window->intialiseWindow(&attributes, true);
        ASSERT_NE(nullptr, window->getPlatformWindow()) << "the dummy driver makes windows";
        EXPECT_TRUE(window->getPlatformWindow()->isVisible());
        EXPECT_FALSE(window->hasPendingArea()) << "opening paints at once";
        EXPECT_EQ(0xFFFFFFFFu, window->getOffscreenPicture().getPixel(150, 80));

        label->setText("428.57");
        EXPECT_TRUE(window->hasPendingArea());
        window->updateWindow();
        EXPECT_FALSE(window->hasPendingArea());
        Application::CApplication::setMainWindow(window.get());
        window->closeWindow();
        EXPECT_FALSE(window->getPlatformWindow()->isVisible());
        EXPECT_EQ(0, Application::CApplication::runMessageLoop()) << "closing the main window ends the loop";
        Application::CApplication::setMainWindow(nullptr);
    }
    Platform::releasePlatformDriver();
}

/** The platform window's picture on the screen, with its size; null when it lends none. */
const std::uint32_t *screenPictureOf(CWindow &window, Platform::SSize &size)
{
    long rowWords = 0;
    return window.getPlatformWindow()->getScreenPicture(size, rowWords);
}

TEST(WindowOnSdl, DrawsInTheScreensOwnPictureAndDrawsTheNewOneWholeAfterAResize)
{
    ASSERT_TRUE(Platform::selectPlatformDriver("sdl"));
    {
        Basics::TCountedReference<CWindow> window(new CWindow(MathTools::CRect(0, 0, 160, 90)));
        GUI::Windows::CWindowAttributes attributes;
        attributes.setAttributes("SDL picture", MathTools::CColour(255, 255, 255), 1.0, nullptr, true, false);
        window->intialiseWindow(&attributes, true);
        Platform::SSize size{};
        const std::uint32_t *screen = screenPictureOf(*window, size);
        ASSERT_NE(nullptr, screen) << "SDL's dummy windows keep a picture laid out like ours";
        long rowWords = 0;
        EXPECT_EQ(screen, window->getOffscreenPicture().getPixels(rowWords)) << "no second picture is kept";
        EXPECT_EQ(0xFFFFFFFFu, screen[89 * rowWords + 159]);

        window->setWindowSize(MathTools::CDimension(200, 100));
        window->updateWindow();
        screen = screenPictureOf(*window, size);
        ASSERT_NE(nullptr, screen);
        EXPECT_EQ(200, size.width);
        EXPECT_EQ(screen, window->getOffscreenPicture().getPixels(rowWords)) << "the new picture is the one drawn in";
        EXPECT_EQ(0xFFFFFFFFu, screen[99 * rowWords + 199]) << "the new picture was drawn whole";
        window->destroyWindow();
        EXPECT_FALSE(window->getOffscreenPicture().isInitialised()) << "nothing is left on the gone window's picture";
    }
    Platform::releasePlatformDriver();
}
} // namespace
