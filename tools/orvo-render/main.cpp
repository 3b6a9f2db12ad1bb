// orvo-render DATA_FOLDER PANEL PLACE TEXT FILE: draws the calculator window offscreen, as it looks
// when panel PANEL (0 to 9, top to bottom) shows TEXT in PLACE (its "result", its first "field" or
// its "chooser"), prints that place's area in the window as WxH+X+Y and writes its pixels to FILE as
// raw RGB. The end-to-end tests find the controls they click and compare the real window's
// screenshots with it.
#include "app/COrvoWindow.hpp"
#include "app/layout/CPanelLayout.hpp"
#include "app/panels/CCalculatorPanel.hpp"
#include "framework/application/CApplication.hpp"
#include "framework/application/FrameworkLifetime.hpp"
#include "framework/basics/CException.hpp"
#include "framework/gui/controls/IControlRoot.hpp"

#include <cstdio>
#include <cstdlib>
#include <string>

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

/** The control of @p panel that @p place names, or null. */
GUI::Controls::CTextLabel *findPlace(const Orvo::CCalculatorPanel &panel, const std::string &place)
{
    if (place == "result")
        return &panel.getResult();
    if (place == "field")
        return &panel.getField(0);
    if (place == "chooser")
        return panel.getChooser();
    return nullptr;
}

int render(long panel, const std::string &place, const char *text, const char *file)
{
    const MathTools::CRect area(0, 0, Orvo::CPanelLayout::CLIENT_WIDTH, Orvo::CPanelLayout::CLIENT_HEIGHT);
    Basics::TCountedReference<Orvo::COrvoWindow> window(new Orvo::COrvoWindow(area));
    auto *shown = dynamic_cast<Orvo::CCalculatorPanel *>(window->getControlRoot()->getControlAtIndex(panel, true));
    GUI::Controls::CTextLabel *control = shown == nullptr ? nullptr : findPlace(*shown, place);
    if (control == nullptr)
        return 2;
    control->setText(text);
    window->drawOffscreen(area);
    return writeArea(*window, control->getWindowArea(), file);
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 6)
    {
        std::fprintf(stderr, "usage: orvo-render DATA_FOLDER PANEL result|field|chooser TEXT FILE\n");
        return 2;
    }
    Application::CApplication::setApplicationPath(argv[1]);
    Application::startFramework();
    int code = 1;
    try
    {
        code = render(std::atol(argv[2]), argv[3], argv[4], argv[5]);
    }
    catch (const Exceptions::CException &exception)
    {
        std::fprintf(stderr, "orvo-render: %s\n", exception.getErrorReason().getString());
    }
    Application::stopFramework();
    return code;
}
