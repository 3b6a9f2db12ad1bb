// The framework's demonstration window. With --render-count N FILE it opens nothing and writes
// the click counter's pixels, as the window draws them after N clicks, to FILE as raw RGB; with
// --render-division NAME FILE, the division chooser's pixels once NAME is chosen; with
// --render-text TEXT FILE, first the edit's area, then the pixels of the label that shows TEXT
// once it was committed in the edit. The end-to-end tests compare those with screenshots of the
// real window.
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
/**
 * Draws a demo window offscreen after @p prepare has set it up, writes the pixels of the control
 * that prepare answers to @p file as raw RGB, and prints that control's area as WxH+X+Y.
 */
template <class Prepare> int renderControl(Prepare prepare, const char *file)
{
    Basics::TCountedReference<Demo::CDemoWindow> window(new Demo::CDemoWindow(MathTools::CPoint()));
    const GUI::Controls::IControl &control = prepare(*window);
    window->drawOffscreen(window->getWindowArea());
    const MathTools::CRect &area = control.getWindowArea();
    std::printf("%lix%li+%li+%li\n", area.getWidth(), area.getHeight(), area.getLeft(), area.getTop());
    std::FILE *out = std::fopen(file, "wb");
    if (out == nullptr)
        return 1;
    for (long y = area.getTop(); y < area.getBottom(); y++)
        for (long x = area.getLeft(); x < area.getRight(); x++)
        {
            const std::uint32_t pixel = window->getOffscreenPicture().getPixel(x, y);
            const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16), static_cast<unsigned char>(pixel >> 8),
                                          static_cast<unsigned char>(pixel)};
            std::fwrite(rgb, 1, sizeof rgb, out);
        }
    return std::fclose(out) == 0 ? 0 : 1;
}

/** renderControl inside the framework's start and stop. */
template <class Prepare> int render(Prepare prepare, const char *file)
{
    Application::startFramework();
    const int code = renderControl(prepare, file);
    Application::stopFramework();
    return code;
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
    if (argc == 4 && std::strcmp(argv[1], "--render-count") == 0)
        return render([argv](Demo::CDemoWindow &window) -> const GUI::Controls::IControl & {
            window.getCounter().setCount(std::atol(argv[2]));
            return window.getCounter();
        }, argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "--render-text") == 0)
        return render([argv](Demo::CDemoWindow &window) -> const GUI::Controls::IControl & {
            const MathTools::CRect &edit = window.getEdit().getWindowArea();
            std::printf("%lix%li+%li+%li\n", edit.getWidth(), edit.getHeight(), edit.getLeft(), edit.getTop());
            window.getCommittedText().setText(argv[2]);
            return window.getCommittedText();
        }, argv[3]);
    if (argc == 4 && std::strcmp(argv[1], "--render-division") == 0)
        return render([argv](Demo::CDemoWindow &window) -> const GUI::Controls::IControl & {
            window.getDivisionChooser().setText(argv[2]);
            return window.getDivisionChooser();
        }, argv[3]);
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
