#include "framework/gui/controls/CControlDescriptor.hpp"
#include "framework/gui/controls/CControlPanel.hpp"
#include "framework/gui/controls/CNameList.hpp"
#include "framework/gui/controls/CTextLabel.hpp"
#include "framework/gui/graphics/CGraphics.hpp"
#include "framework/gui/graphics/CJPEGImage.hpp"
#include "framework/gui/graphics/CTGAImage.hpp"
#include "tests/gui/controls/PixelComparison.hpp"
#include "tests/support/RecordingControl.hpp"
#include "tests/gui/controls/TestWindow.hpp"
#include "tests/gui/graphics/ImageTestSupport.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

using namespace Corvane::GUI::Controls;
using Corvane::Basics::CString;
using Corvane::GUI::Graphics::CBaseImage;
using Corvane::GUI::Graphics::CFont;
using Corvane::GUI::Graphics::CGraphics;
using Corvane::GUI::Graphics::CJPEGImage;
using Corvane::GUI::Graphics::CTGAImage;
using Corvane::MathTools::CAlphaColour;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using Corvane::Testing::DrawingCanvas;
using Corvane::Testing::firstDifference;
using Corvane::Testing::RecordingControl;
using Corvane::Testing::TestWindow;

namespace
{
constexpr long WIDTH = 120;
constexpr long HEIGHT = 90;
const CAlphaColour BLACK(0, 0, 0, 255);
const CAlphaColour PANEL_FILL(200, 220, 255, 255);
const CAlphaColour PANEL_FRAME(0, 0, 128, 255);
const CAlphaColour RESULT_FILL(255, 255, 200, 255);
const CAlphaColour RED(220, 0, 0, 255);

/**
 * Draws with the controls on a window of WIDTH by HEIGHT over a background picture that is a
 * colour ramp, and with the default font set, as a window paints: the update area and the
 * clip are the repainted rectangle and the drawing offset is the origin.
 */
class ControlDrawing : public testing::Test
{
protected:
    ControlDrawing()
    {
        CFont::setDefaultFont(new CFont("Arial", 14));
        std::vector<unsigned char> pixels;
        for (long y = 0; y < HEIGHT; y++)
            for (long x = 0; x < WIDTH; x++)
                pixels.insert(pixels.end(), {static_cast<unsigned char>(2 * x), static_cast<unsigned char>(2 * y),
                                             static_cast<unsigned char>(x + y), 255});
        m_background.reset(new CTGAImage(m_folder.write("ramp.tga", Corvane::Testing::targaFile(WIDTH, HEIGHT, pixels))
                                             .c_str()));
        window.root().setBackgroundImage(m_background.get());
    }

    ~ControlDrawing() override { CFont::setDefaultFont(nullptr); }

    /** What the window's paint of @p area gives. */
    void paint(DrawingCanvas &canvas, const CRect &area)
    {
        startPainting(canvas.graphics(), area);
        window.drawWindow(canvas.graphics());
        EXPECT_EQ(canvas.graphics().getUpdateArea(), area);
        EXPECT_EQ(canvas.graphics().getDrawingOffset(), CPoint(0, 0));
    }

    static void startPainting(CGraphics &graphics, const CRect &area)
    {
        graphics.setUpdateArea(area);
        graphics.setDrawingOffset(CPoint(0, 0));
        graphics.getClip().setClip(area);
    }

    /** The background picture under @p area, drawn directly. */
    void drawBackground(CGraphics &graphics, const CRect &area)
    {
        graphics.getClip().setClip(area);
        graphics.drawImage(m_background.get(), area, area);
        graphics.getClip().releaseClip();
    }

    static void fillAndFrame(CGraphics &graphics, const CRect &area, const CAlphaColour &fill,
                             const CAlphaColour &frame)
    {
        graphics.getBrush().setColour(fill);
        graphics.fillRectangle(area);
        graphics.getPen().setColour(frame);
        graphics.drawRectangle(area);
    }

    static void drawText(CGraphics &graphics, const char *text, const CAlphaColour &colour, long width, long height,
                         long alignment)
    {
        graphics.setTextColour(colour);
        graphics.drawText(text, CRect(1, 1, width, height), CFont::getDefaultFont(), alignment);
    }

    CTextLabel *addLabel(IControlRoot &root, const CRect &area, const char *text)
    {
        auto *label = new CTextLabel(&root, 0, area, text);
        root.addControl(label);
        return label;
    }

    Corvane::Testing::TemporaryFolder m_folder;
    Corvane::Basics::TCountedReference<CBaseImage> m_background;
    TestWindow window{WIDTH, HEIGHT};
};
} // namespace

TEST_F(ControlDrawing, AWindowOfPanelsAndLabelsDrawsAsDirectDrawingDoes)
{
    addLabel(window.root(), CRect(5, 5, 50, 20), "Tempo");
    auto *panel = new CControlPanel(&window, &window.root(), 1, CRect(40, 30, 70, 50), nullptr);
    window.root().addControl(panel);
    panel->setColours(PANEL_FILL, PANEL_FRAME);
    panel->setDefaultControlDrawing(true);
    CTextLabel *result = addLabel(*panel, CRect(5, 5, 60, 20), "120.00");
    result->setColours(BLACK, RESULT_FILL, BLACK);
    result->setDefaultControlDrawing(true);
    CControlDescriptor centred("Alignment", CControlDescriptor::CHOICE, new CNameList);
    centred.setSelectedIndex(4);
    ASSERT_TRUE(result->setProperty(centred));
    CTextLabel *unit = addLabel(*panel, CRect(0, 32, 70, 18), "Hz"); // reaches the panel's frame
    unit->setColours(RESULT_FILL, BLACK);
    unit->setDefaultControlDrawing(true);
    unit->setTextColour(RED);

    DrawingCanvas painted(WIDTH, HEIGHT);
    paint(painted, CRect(0, 0, WIDTH, HEIGHT));

    DrawingCanvas direct(WIDTH, HEIGHT);
    CGraphics &graphics = direct.graphics();
    startPainting(graphics, CRect(0, 0, WIDTH, HEIGHT));
    drawBackground(graphics, CRect(0, 0, WIDTH, HEIGHT));
    graphics.getClip().setClip(CRect(5, 5, 50, 20));
    graphics.setDrawingOffset(CPoint(5, 5));
    drawText(graphics, "Tempo", BLACK, 50, 20, CGraphics::DEFAULT_LABEL);
    graphics.getClip().setClip(CRect(40, 30, 70, 50));
    graphics.setDrawingOffset(CPoint(40, 30));
    fillAndFrame(graphics, CRect(0, 0, 70, 50), PANEL_FILL, PANEL_FRAME);
    graphics.setDrawingOffset(CPoint(45, 35));
    fillAndFrame(graphics, CRect(0, 0, 60, 20), RESULT_FILL, BLACK);
    drawText(graphics, "120.00", BLACK, 60, 20, CGraphics::CENTRE_CENTRE);
    graphics.setDrawingOffset(CPoint(40, 62));
    fillAndFrame(graphics, CRect(0, 0, 70, 18), RESULT_FILL, BLACK);
    drawText(graphics, "Hz", RED, 70, 18, CGraphics::DEFAULT_LABEL);
    graphics.setDrawingOffset(CPoint(40, 30));
    graphics.getPen().setColour(PANEL_FRAME);
    graphics.drawRectangle(CRect(0, 0, 70, 50));

    EXPECT_EQ(firstDifference(painted, direct), "");

    // The comparison means something only if the texts showed up.
    DrawingCanvas background(WIDTH, HEIGHT);
    drawBackground(background.graphics(), CRect(0, 0, WIDTH, HEIGHT));
    long changed = 0;
    for (long y = 5; y < 25; y++)
        for (long x = 5; x < 55; x++)
            changed += painted.pixel(x, y) != background.pixel(x, y);
    EXPECT_GT(changed, 20);
    EXPECT_EQ(painted.pixel(45, 35), 0xFF000000u); // the result label's frame
    EXPECT_EQ(painted.pixel(40, 79), 0xFF000080u); // the panel's frame, over its children

    // A repaint of an area that touches no control draws only the background there.
    const CRect empty(0, 60, 30, 25);
    DrawingCanvas repainted(WIDTH, HEIGHT);
    paint(repainted, empty);
    DrawingCanvas backgroundOnly(WIDTH, HEIGHT);
    drawBackground(backgroundOnly.graphics(), empty);
    EXPECT_EQ(firstDifference(repainted, backgroundOnly), "");
    EXPECT_EQ(repainted.inkBounds(), empty);
}

TEST_F(ControlDrawing, LaterControlsPaintOverEarlierOnes)
{
    window.root().setBackgroundImage(nullptr);
    CTextLabel *first = addLabel(window.root(), CRect(10, 10, 30, 30), "");
    CTextLabel *second = addLabel(window.root(), CRect(20, 20, 30, 30), "");
    first->setDefaultControlDrawing(true);
    first->setColours(RED, BLACK);
    second->setDefaultControlDrawing(true);
    second->setColours(PANEL_FILL, BLACK);

    DrawingCanvas painted(WIDTH, HEIGHT);
    paint(painted, CRect(0, 0, WIDTH, HEIGHT));
    EXPECT_EQ(painted.pixel(15, 15), 0xFFDC0000u);
    EXPECT_EQ(painted.pixel(30, 30), 0xFFC8DCFFu);
    EXPECT_EQ(painted.pixel(20, 25), 0xFF000000u); // the second one's frame, over the first one's fill
    // An empty text draws nothing but the background.
    EXPECT_EQ(painted.inkBounds(), CRect(10, 10, 40, 40));
}

TEST_F(ControlDrawing, ADisabledPanelIsGreyUnderItsChildrensDisabledLook)
{
    auto *panel = new CControlPanel(&window, &window.root(), 1, CRect(40, 30, 70, 50), nullptr);
    window.root().addControl(panel);
    panel->setDefaultControlDrawing(true);
    CTextLabel *label = addLabel(*panel, CRect(5, 5, 40, 20), "Off");
    CTextLabel *plain = addLabel(*panel, CRect(5, 28, 40, 18), "Gone");
    auto *disabledLook = new CJPEGImage(Corvane::Testing::fixture("quadrants.jpg").c_str());
    label->setDisabledImage(disabledLook);
    panel->disable();
    EXPECT_FALSE(plain->isEnabled());

    DrawingCanvas painted(WIDTH, HEIGHT);
    paint(painted, CRect(0, 0, WIDTH, HEIGHT));

    DrawingCanvas direct(WIDTH, HEIGHT);
    CGraphics &graphics = direct.graphics();
    startPainting(graphics, CRect(0, 0, WIDTH, HEIGHT));
    drawBackground(graphics, CRect(0, 0, WIDTH, HEIGHT));
    graphics.getClip().setClip(CRect(40, 30, 70, 50));
    graphics.setDrawingOffset(CPoint(40, 30));
    graphics.getBrush().setColour(CAlphaColour(147, 147, 147, 255));
    graphics.fillRectangle(CRect(0, 0, 70, 50));
    graphics.getClip().setClip(CRect(45, 35, 40, 20));
    graphics.setDrawingOffset(CPoint(45, 35));
    graphics.drawImage(disabledLook, CRect(0, 0, 40, 20), CRect(0, 0, 16, 16));
    EXPECT_EQ(firstDifference(painted, direct), "");
    EXPECT_EQ(painted.pixel(60, 75), 0xFF939393u);
}

TEST_F(ControlDrawing, EachControlGetsItsOwnUpdateAreaOffsetAndClip)
{
    RecordingControl *top = new RecordingControl(&window.root(), 0, CRect(10, 10, 20, 20));
    window.root().addControl(top);
    auto *panel = new CControlPanel(&window, &window.root(), 1, CRect(40, 30, 70, 50), nullptr);
    window.root().addControl(panel);
    auto *wide = new RecordingControl(panel, 2, CRect(5, 5, 60, 20));
    panel->addControl(wide);
    auto *low = new RecordingControl(panel, 3, CRect(0, 40, 10, 10));
    panel->addControl(low);

    DrawingCanvas canvas(WIDTH, HEIGHT);
    paint(canvas, CRect(0, 0, WIDTH, HEIGHT));
    ASSERT_EQ(top->drawn.size(), 1u);
    EXPECT_EQ(top->drawn[0].drawingOffset, CPoint(10, 10));
    EXPECT_EQ(top->drawn[0].updateArea, CRect(0, 0, 20, 20));
    EXPECT_EQ(top->drawn[0].clip, CRect(10, 10, 20, 20));
    ASSERT_EQ(wide->drawn.size(), 1u);
    EXPECT_EQ(wide->drawn[0].drawingOffset, CPoint(45, 35));
    EXPECT_EQ(wide->drawn[0].updateArea, CRect(0, 0, 60, 20));
    EXPECT_EQ(wide->drawn[0].clip, CRect(40, 30, 70, 50)); // a panel clips its children to itself only
    ASSERT_EQ(low->drawn.size(), 1u);
    EXPECT_EQ(low->drawn[0].drawingOffset, CPoint(40, 70));

    paint(canvas, CRect(50, 40, 20, 20));
    EXPECT_EQ(top->drawn.size(), 1u);
    ASSERT_EQ(wide->drawn.size(), 2u);
    EXPECT_EQ(wide->drawn[1].updateArea, CRect(5, 5, 20, 15));
    EXPECT_EQ(low->drawn.size(), 1u);

    paint(canvas, CRect(30, 10, 5, 5)); // touching the right edge is enough
    ASSERT_EQ(top->drawn.size(), 2u);
    EXPECT_EQ(top->drawn[1].updateArea, CRect(20, 0, 0, 5));
}
