// The paint of the calculator's window as the window does it, offscreen: the whole window (the
// background picture and the ten panels with their fields, boxes and results in Arial 14 points),
// then one result label after its text changed. Next to them measuring a number, loading the
// window's background picture, and the floor that no paint can beat: copying one window-sized
// picture.

#include "app/COrvoWindow.hpp"
#include "app/layout/CPanelLayout.hpp"
#include "app/panels/CCalculatorPanel.hpp"
#include "framework/application/CApplication.hpp"
#include "framework/application/FrameworkLifetime.hpp"
#include "framework/gui/controls/IControlRoot.hpp"
#include "framework/gui/graphics/CGraphics.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

using namespace Corvane;
using namespace Corvane::GUI::Graphics;
using MathTools::CDimension;
using MathTools::CRect;

namespace
{
const CRect WINDOW_AREA(0, 0, Orvo::CPanelLayout::CLIENT_WIDTH, Orvo::CPanelLayout::CLIENT_HEIGHT);

/** The calculator window, made as the program makes it but never shown: paints stay offscreen. */
class CCalculatorScene
{
public:
    CCalculatorScene()
    {
        Application::CApplication::setApplicationPath(ORVO_RUNTIME_DIR);
        Application::startFramework();
        m_window.reset(new Orvo::COrvoWindow(WINDOW_AREA));
        // The first paint makes the picture the window keeps, as the program's first paint does.
        paint(WINDOW_AREA);
    }
    ~CCalculatorScene()
    {
        m_window.reset(nullptr);
        Application::stopFramework();
    }

    void paint(const CRect &area)
    {
        m_window->drawOffscreen(area);
        benchmark::DoNotOptimize(m_window->getOffscreenPicture().getPixel(area.getLeft(), area.getTop()));
    }

    /** The result label of the time-stretch panel, in the middle of the window. */
    GUI::Controls::CTextLabel &middleResult() const
    {
        const long index = static_cast<long>(Orvo::EPanel::TIME_STRETCH);
        auto *panel =
            dynamic_cast<Orvo::CCalculatorPanel *>(m_window->getControlRoot()->getControlAtIndex(index, true));
        return panel->getResult();
    }

private:
    Basics::TCountedReference<Orvo::COrvoWindow> m_window;
};

void fullRepaint(benchmark::State &state)
{
    CCalculatorScene scene;
    for (auto _ : state)
        scene.paint(WINDOW_AREA);
}
BENCHMARK(fullRepaint)->Unit(benchmark::kMicrosecond);

void oneResultRepaint(benchmark::State &state)
{
    CCalculatorScene scene;
    GUI::Controls::CTextLabel &result = scene.middleResult();
    const char *texts[] = {"96.00", "104.17"};
    long turn = 0;
    for (auto _ : state)
    {
        result.setText(texts[turn++ % 2]);
        scene.paint(result.getWindowArea());
    }
}
BENCHMARK(oneResultRepaint)->Unit(benchmark::kMicrosecond);

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

void loadBackgroundPicture(benchmark::State &state)
{
    const Basics::CSystemString path(ORVO_RUNTIME_DIR "/Resources/Background.png");
    for (auto _ : state)
    {
        CPNGImage image(path);
        benchmark::DoNotOptimize(image.getImageHandle());
    }
}
BENCHMARK(loadBackgroundPicture)->Unit(benchmark::kMicrosecond);

void copyWindowSizedPictureFloor(benchmark::State &state)
{
    const std::size_t bytes = static_cast<std::size_t>(WINDOW_AREA.getWidth() * WINDOW_AREA.getHeight()) * 4;
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
