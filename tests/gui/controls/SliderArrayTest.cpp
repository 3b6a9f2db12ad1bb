#include "framework/gui/controls/CActionEvent.hpp"
#include "framework/gui/controls/CImageLabel.hpp"
#include "framework/gui/controls/CSliderArray.hpp"
#include "framework/gui/graphics/CTGAImage.hpp"
#include "tests/gui/controls/TestWindow.hpp"
#include "tests/gui/graphics/DrawingCanvas.hpp"
#include "tests/gui/graphics/ImageTestSupport.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

using namespace Corvane::GUI::Controls;
using Corvane::MathTools::CAlphaColour;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using Corvane::Testing::BLACK;
using Corvane::Testing::DrawingCanvas;
using Corvane::Testing::TestWindow;
using Corvane::Testing::WHITE;

namespace
{
constexpr std::uint32_t SLIDER = 0xFFEF9529;
constexpr std::uint32_t ACTIVE_SLIDER = 0xFFF32020;

class CActionCounter : public IActionListener
{
public:
    void handleActionEvent(const CActionEvent &event) override
    {
        ++events;
        lastControl = event.getControl();
    }

    int events = 0;
    IControl *lastControl = nullptr;
};

/** What @p window paints over a white picture of its size. */
void paint(TestWindow &window, DrawingCanvas &canvas)
{
    const CRect all(CPoint(), window.getWindowSize());
    canvas.graphics().setUpdateArea(all);
    canvas.graphics().getClip().setClip(all);
    window.drawWindow(canvas.graphics());
}

/**
 * Four bars 10 pixels wide and 5 apart in a 40-pixel-high slider array at (10, 10): bar i covers
 * window columns 10 + 15 i to 20 + 15 i.
 */
class SliderArray : public testing::Test
{
protected:
    SliderArray()
    {
        window.root().addControl(sliders);
    }

    void send(TestWindow::MouseHandler handler, long x, long y) { window.sendMouse(handler, x, y); }

    TestWindow window{100, 60};
    CActionCounter listener;
    CSliderArray *sliders = new CSliderArray(&window.root(), 1, CRect(10, 10, 55, 40), &listener, 4, 10, 5);
};
} // namespace

TEST_F(SliderArray, APressInABarSetsItsValueAndADragFollowsOnlyInsideTheBars)
{
    for (long index = 0; index < 4; index++)
        EXPECT_EQ(sliders->getSliderValue(index), 1.0);

    send(&IMouseEventListener::handleLeftButtonDown, 45, 30); // bar 2, halfway down
    EXPECT_EQ(sliders->getSliderValue(2), 0.5);
    EXPECT_EQ(listener.events, 1);
    EXPECT_EQ(listener.lastControl, sliders);
    EXPECT_EQ(sliders->getLastMovedSlider(), 2);
    EXPECT_EQ(window.root().getLockedControl(), sliders);

    send(&IMouseEventListener::handleMouseMovement, 45, 2); // above the control
    send(&IMouseEventListener::handleMouseMovement, 90, 30); // right of the bars
    EXPECT_EQ(sliders->getSliderValue(2), 0.5);
    EXPECT_EQ(listener.events, 1);

    send(&IMouseEventListener::handleMouseMovement, 15, 40); // back into bar 0, a quarter up
    EXPECT_EQ(sliders->getSliderValue(0), 0.25);
    EXPECT_EQ(sliders->getLastMovedSlider(), 0);
    EXPECT_EQ(listener.events, 2);

    send(&IMouseEventListener::handleLeftButtonUp, 15, 40);
    EXPECT_EQ(window.root().getLockedControl(), nullptr);
    send(&IMouseEventListener::handleMouseMovement, 30, 20); // no drag any more
    EXPECT_EQ(sliders->getSliderValue(1), 1.0);
    EXPECT_EQ(listener.events, 2);
}

TEST_F(SliderArray, RefusesValuesAndBarsOutOfRange)
{
    sliders->setSliderValue(0.25, 3);
    EXPECT_EQ(sliders->getSliderValue(3), 0.25);
    window.redrawAreas.clear();
    sliders->setSliderValue(1.5, 0);
    sliders->setSliderValue(-0.1, 0);
    sliders->setSliderValue(0.5, 9);
    sliders->setSliderValue(0.5, -1);
    EXPECT_EQ(sliders->getSliderValue(0), 1.0);
    EXPECT_EQ(sliders->getSliderValue(9), 0.0);
    EXPECT_TRUE(window.redrawAreas.empty());

    sliders->layoutSliders(10, 5);
    EXPECT_EQ(sliders->getSliderValue(3), 1.0) << "laying the bars out again fills them";
}

TEST_F(SliderArray, DrawsFilledPartsOutlinedWithTheDraggedBarInTheActiveColour)
{
    sliders->setSliderValue(0.5, 1);
    send(&IMouseEventListener::handleLeftButtonDown, 60, 40); // bar 3, a quarter up
    DrawingCanvas dragging(100, 60);
    paint(window, dragging);
    EXPECT_EQ(dragging.pixel(15, 30), SLIDER);
    EXPECT_EQ(dragging.pixel(30, 25), WHITE) << "bar 1 is empty above its middle";
    EXPECT_EQ(dragging.pixel(30, 35), SLIDER);
    EXPECT_EQ(dragging.pixel(60, 45), ACTIVE_SLIDER);
    EXPECT_EQ(dragging.pixel(60, 35), WHITE);
    EXPECT_EQ(dragging.pixel(10, 30), BLACK) << "outline of bar 0";
    EXPECT_EQ(dragging.pixel(22, 30), WHITE) << "the gap between bars";
    EXPECT_EQ(dragging.pixel(55, 40), BLACK) << "top of bar 3's filled part";

    send(&IMouseEventListener::handleLeftButtonUp, 60, 40);
    DrawingCanvas released(100, 60);
    paint(window, released);
    EXPECT_EQ(released.pixel(60, 45), SLIDER);
}

TEST(CImageLabel, DrawsItsImageOrItsDefaultLookOrNothing)
{
    TestWindow window(40, 30);
    auto *label = new CImageLabel(&window.root(), 1, CRect(5, 5, 20, 10));
    window.root().addControl(label);
    EXPECT_FALSE(label->isMouseEnabled());

    DrawingCanvas nothing(40, 30);
    paint(window, nothing);
    EXPECT_EQ(nothing.inkBounds().getWidth(), 0) << "no image and no default drawing: nothing";

    label->setDefaultControlDrawing(true);
    label->setColours(CAlphaColour(0, 0, 255, 255), CAlphaColour(255, 0, 0, 255));
    DrawingCanvas plain(40, 30);
    paint(window, plain);
    EXPECT_EQ(plain.pixel(10, 10), 0xFF0000FFu);
    EXPECT_EQ(plain.pixel(5, 5), 0xFFFF0000u);
    EXPECT_EQ(plain.inkBounds(), CRect(5, 5, 20, 10));

    Corvane::Testing::TemporaryFolder folder;
    std::vector<unsigned char> pixels;
    for (int pixel = 0; pixel < 16; pixel++)
        pixels.insert(pixels.end(), {0, 200, 0, 255});
    const std::string file = folder.write("green.tga", Corvane::Testing::targaFile(4, 4, pixels));
    Corvane::Basics::TCountedReference<Corvane::GUI::Graphics::CBaseImage> image(
        new Corvane::GUI::Graphics::CTGAImage(file.c_str()));
    label->setPrimaryImage(image.get());
    DrawingCanvas pictured(40, 30);
    paint(window, pictured);
    EXPECT_EQ(pictured.pixel(5, 5), 0xFF00C800u) << "the image stretched over the whole area, without a frame";
    EXPECT_EQ(pictured.pixel(24, 14), 0xFF00C800u);
    EXPECT_EQ(pictured.inkBounds(), CRect(5, 5, 20, 10));
}
