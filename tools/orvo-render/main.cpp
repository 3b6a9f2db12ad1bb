// orvo-render DATA_FOLDER PANEL TEXT FILE: draws the calculator window offscreen, as it looks when
// panel PANEL (0 to 9, top to bottom) shows TEXT as its result, prints that result's area in the
// window as WxH+X+Y and writes its pixels to FILE as raw RGB. The end-to-end tests compare the
// real window's screenshots with it.
#include "app/COrvoWindow.hpp"
#include "app/layout/CPanelLayout.hpp"
#include "app/panels/CCalculatorPanel.hpp"
#include "framework/application/CApplication.hpp"
#include "framework/application/FrameworkLifetime.hpp"
#include "framework/basics/CException.hpp"
#include "framework/gui/controls/IControlRoot.hpp"

#include <cstdio>
#include <cstdlib>

using namespace Corvane;

namespace
{
int writeArea(const GUI::Windows::CWindow &window, const MathTools::CRect &area, const char *file)
{
    std::printf("%lix%li+%li+%li\n", area.getWidth(), area.getHeight(), area.getLeft(), area.getTop());
    std::FILE *out = std::fopen(file, "wb");
    if (out == nullptr)
        return 1;
    for (long y = area.getTop(); y < area.getBottom(); y++)
        for (long x = area.getLeft(); x < area.getRight(); x++)
        {
            const std::uint32_t pixel = window.getOffscreenPicture().getPixel(x, y);
            const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16), static_cast<unsigned char>(pixel >> 8),
                                          static_cast<unsigned char>(pixel)};
            std::fwrite(rgb, 1, sizeof rgb, out);
        }
    return std::fclose(out) == 0 ? 0 : 1;
}

int render(long panel, const char *text, const char *file)
{
    const MathTools::CRect area(0, 0, Orvo::CPanelLayout::CLIENT_WIDTH, Orvo::CPanelLayout::CLIENT_HEIGHT);
    Basics::TCountedReference<Orvo::COrvoWindow> window(new Orvo::COrvoWindow(area));
    auto *shown = dynamic_cast<Orvo::CCalculatorPanel *>(window->getControlRoot()->getControlAtIndex(panel, true));
    if (shown == nullptr)
        return 2;
    shown->getResult().setText(text);
    window->drawOffscreen(area);
    return writeArea(*window, shown->getResult().getWindowArea(), file);
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 5)
    {
        std::fprintf(stderr, "usage: orvo-render DATA_FOLDER PANEL TEXT FILE\n");
        return 2;
    }
    Application::CApplication::setApplicationPath(argv[1]);
    Application::startFramework();
    int code = 1;
    try
    {
        code = render(std::atol(argv[2]), argv[3], argv[4]);
    }
    catch (const Exceptions::CException &exception)
    {
        std::fprintf(stderr, "orvo-render: %s\n", exception.getErrorReason().getString());
    }
    Application::stopFramework();
    return code;
}
