// The framework's demonstration window. With --render-count N FILE it opens nothing and writes
// the click counter's pixels, as the window draws them after N clicks, to FILE as raw RGB; with
// --render-text TEXT FILE, those of the label that shows TEXT once it was committed in the edit.
// The end-to-end tests compare that with a screenshot of the real window.
#include "framework/application/CApplication.hpp"
#include "framework/application/FrameworkLifetime.hpp"
#include "framework/basics/CException.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/platform/IPlatformDriver.hpp"
#include "tools/window-demo/CDemoWindow.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Corvane;

namespace
{
/** Prints @p control's area in the window as WxH+X+Y, the form of a crop. */
void printArea(const GUI::Controls::IControl &control)
{
    const MathTools::CRect &area = control.getWindowArea();
    std::printf("%lix%li+%li+%li\n", area.getWidth(), area.getHeight(), area.getLeft(), area.getTop());
}

/** Writes @p control's pixels, as the whole window draws them, to @p file as raw RGB. */
int renderControl(Demo::CDemoWindow &window, const GUI::Controls::IControl &control, const char *file)
{
    window.drawOffscreen(window.getWindowArea());
    const MathTools::CRect &area = control.getWindowArea();
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

int renderCount(long count, const char *file)
{
    Basics::TCountedReference<Demo::CDemoWindow> window(new Demo::CDemoWindow(MathTools::CPoint()));
    window->getCounter().setCount(count);
    printArea(window->getCounter());
    return renderControl(*window, window->getCounter(), file);
}

/** Prints the area of the label that shows committed text, then the edit's, and writes the label's pixels. */
int renderText(const char *text, const char *file)
{
    Basics::TCountedReference<Demo::CDemoWindow> window(new Demo::CDemoWindow(MathTools::CPoint()));
    window->getCommittedText().setText(text);
    printArea(window->getCommittedText());
    printArea(window->getEdit());
    return renderControl(*window, window->getCommittedText(), file);
}

MathTools::CPoint centredOnScreen()
{
    Platform::SArea screen;
    if (!Platform::getPlatformDriver().getScreenArea({0, 0}, screen))
        return MathTools::CPoint();
    return MathTools::CPoint(screen.x + (screen.width - Demo::CDemoWindow::WIDTH) / 2,
                             screen.y + (screen.height - Demo::CDemoWindow::HEIGHT) / 2);
}

int run()
{
    Basics::TCountedReference<Demo::CDemoWindow> window(new Demo::CDemoWindow(centredOnScreen()));
    window->intialiseWindow(window->getWindowAttributes(), true);
    Application::CApplication::setMainWindow(window.get());
    const int code = Application::CApplication::runMessageLoop();
    Application::CApplication::setMainWindow(nullptr);
    return code;
}
} // namespace

int main(int argc, char **argv)
{
    const bool renderingCount = argc == 4 && std::strcmp(argv[1], "--render-count") == 0;
    if (renderingCount || (argc == 4 && std::strcmp(argv[1], "--render-text") == 0))
    {
        Application::startFramework();
        const int code = renderingCount ? renderCount(std::atol(argv[2]), argv[3]) : renderText(argv[2], argv[3]);
        Application::stopFramework();
        return code;
    }
    Application::CApplication::setProductName("Corvane demo");
    Application::CApplication::initialiseApplication();
    Application::startFramework();
    int code = 1;
    try
    {
        code = run();
    }
    catch (const Exceptions::CException &exception)
    {
        std::fprintf(stderr, "window-demo: %s\n", exception.getErrorReason().getString());
    }
    Application::stopFramework();
    return code;
}
