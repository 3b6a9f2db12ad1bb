// The paint of the calculator's window as the window does it: an offscreen picture of the window's
// size, the background picture, and the thirty labels of the ten panels (two inputs and a result
// each) with fill, frame and a two-decimal number in Arial 14 points, centred. Next to it the
// repaint of one result label, measuring a number, loading a window-sized PNG, and the floor that
// no paint can beat: copying one window-sized picture.

#include "framework/gui/graphics/CGraphics.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

using namespace Corvane::GUI::Graphics;
using Corvane::MathTools::CAlphaColour;
using Corvane::MathTools::CColour;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

namespace
{
const CDimension WINDOW_SIZE(476, 613);
const CColour BACKGROUND(160, 160, 174); // the calculator window's own
constexpr long PANEL_HEIGHT = 51;
constexpr long PANELS = 10;
const CRect PANEL_LABELS[] = {CRect(126, 9, 74, 20), CRect(220, 9, 74, 20), CRect(349, 9, 104, 20)};

class CPaintScene
{
public:
    CPaintScene() : m_background(ORVO_BENCHMARK_BACKGROUND), m_font("Arial", 14) {}

    /** One paint of @p area: what the window does between its platform's begin and end of paint. */
    void paint(const CRect &area)
    {
        m_graphics.setUpdateArea(area);
        m_graphics.initialiseBuffered(WINDOW_SIZE, BACKGROUND);
        m_graphics.getClip().setClip(area);
        m_graphics.drawImage(&m_background, CRect(CPoint(), WINDOW_SIZE), m_background.getNormalisedImageArea());
        for (long panel = 0; panel < PANELS; panel++)
            for (const CRect &label : PANEL_LABELS)
                drawLabelIfVisible(label, panel, area);
        benchmark::DoNotOptimize(m_graphics.getNativeImage().getPixel(area.getLeft(), area.getTop()));
        m_graphics.getClip().releaseClip();
        m_graphics.uninitialise();
    }

private:
    void drawLabelIfVisible(const CRect &label, long panel, const CRect &area)
    {
        CRect placed(label);
        placed.offset(CPoint(0, panel * PANEL_HEIGHT));
        CRect visible;
        CRect::getIntersectionArea(placed, area, visible);
        if (visible.getWidth() <= 0 || visible.getHeight() <= 0)
            return;
        Corvane::Basics::CString text;
        text.setStringWithFormat("%0.02f", 120.0 + panel * 13.37 + label.getLeft() / 7.0);
        m_graphics.getBrush().setColour(CAlphaColour(255, 255, 255, 255));
        m_graphics.getPen().setColour(CAlphaColour(0, 0, 0, 255));
        m_graphics.fillAndDrawRectangle(placed);
        placed.offset(CPoint(1, 1));
        m_graphics.drawText(text, placed, &m_font, CGraphics::CENTRE_CENTRE);
    }

    CGraphics m_graphics;
    CPNGImage m_background;
    CFont m_font;
};

void fullRepaint(benchmark::State &state)
{
    CPaintScene scene;
    for (auto _ : state)
        scene.paint(CRect(CPoint(), WINDOW_SIZE));
}
BENCHMARK(fullRepaint)->Unit(benchmark::kMicrosecond);

void oneLabelRepaint(benchmark::State &state)
{
    CPaintScene scene;
    CRect result(PANEL_LABELS[2]);
    result.offset(CPoint(0, 4 * PANEL_HEIGHT));
    for (auto _ : state)
        scene.paint(result);
}
BENCHMARK(oneLabelRepaint)->Unit(benchmark::kMicrosecond);

void measureNumber(benchmark::State &state)
{
    CNativeImage picture;
    picture.initialise(CDimension(1, 1));
    const CFont font("Arial", 14);
    CDimension size;
    for (auto _ : state)
    {
        measureText(picture.getDrawingTarget(), "120.00", size, font.getFontHandle());
        benchmark::DoNotOptimize(size.getWidth());
    }
}
BENCHMARK(measureNumber)->Unit(benchmark::kMicrosecond);

void loadWindowSizedPng(benchmark::State &state)
{
    for (auto _ : state)
    {
        CPNGImage image(ORVO_BENCHMARK_BACKGROUND);
        benchmark::DoNotOptimize(image.getImageHandle());
    }
}
BENCHMARK(loadWindowSizedPng)->Unit(benchmark::kMicrosecond);

void copyWindowSizedPictureFloor(benchmark::State &state)
{
    const std::size_t bytes = static_cast<std::size_t>(WINDOW_SIZE.getWidth() * WINDOW_SIZE.getHeight()) * 4;
    std::vector<std::uint32_t> source(bytes / 4, 0xFF808080u), target(bytes / 4);
    for (auto _ : state)
    {
        std::memcpy(target.data(), source.data(), bytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(copyWindowSizedPictureFloor)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
