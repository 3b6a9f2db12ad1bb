// orvo: the calculator window. It takes no arguments and keeps no settings. With ORVO_CLASS_REPORT
// naming a file, it writes the framework's class report there at exit: what every class still had
// alive after shutdown, which should be nothing.
#include "app/COrvoWindow.hpp"
#include "app/layout/CPanelLayout.hpp"
#include "app/startup/ComposeTable.hpp"
#include "app/startup/DataFolder.hpp"
#include "framework/application/CApplication.hpp"
#include "framework/application/FrameworkLifetime.hpp"
#include "framework/basics/CException.hpp"
#include "framework/host/ProcessorFeatures.hpp"
#include "framework/gui/graphics/CTextLayout.hpp"
#include "framework/gui/graphics/PicturePrefetch.hpp"
#include "framework/gui/windows/Dialogs.hpp"
#include "framework/platform/IPlatformDriver.hpp"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace Corvane;
using Application::CApplication;

namespace
{
constexpr const char *EXCEPTION_TITLE = "Exception occurred!";

void fillApplicationRecord()
{
    CApplication::setProductName("Orvo V5");
    CApplication::setCompanyName("Corvane");
    CApplication::setVersionString("5.0");
    CApplication::setDescription("Muscial value calculator");
    CApplication::setRegistryPath("Software//Corvane//Orvo");
    CApplication::initialiseApplication();
}

/** The icon beside the program, or in its data folder. */
Basics::CSystemString getIconPath()
{
    Basics::CSystemString icon = Orvo::findDataFolder(*CApplication::getApplicationPath());
    icon.appendPath("Orvo.png");
    return icon;
}

/**
 * The window's font is looked up and loaded and its background decoded on threads of their own
 * while the connection to the display is made: the three take about as long as each other. (The
 * icon is decoded when it is loaded: a thread costs more than its 64x64 pixels.) The part of the
 * display's start that may launch a helper program comes first, while the program has one thread.
 */
void startPreparingInBackground()
{
    Orvo::leaveOutComposeTable();
    Platform::getPlatformDriver().prepare();
    const GUI::Graphics::CFont *font = Orvo::COrvoWindow::chooseFont();
    GUI::Graphics::CTextLayout::startTextEngine(font != nullptr ? font->getFontHandle() : nullptr,
                                                Orvo::COrvoWindow::TEXT_SAMPLE);
    GUI::Graphics::prefetchPicture(Orvo::COrvoWindow::getBackgroundPath());
}

/** Without a display there is nobody to show a window or a box to: one line says so. */
bool canOpenWindows()
{
    std::string reason;
    if (Platform::getPlatformDriver().start(reason))
        return true;
    std::fprintf(stderr, "orvo: cannot open a window: %s\n", reason.c_str());
    return false;
}

/** The window's attributes and its area, centred on the primary screen with its title bar on it. */
MathTools::CRect describeMainWindow(GUI::Windows::CWindowAttributes &attributes)
{
    Basics::TCountedReference<GUI::Windows::CWindowIcon> windowIcon(new GUI::Windows::CWindowIcon());
    windowIcon->loadIconFromFile(getIconPath(), 0);
    attributes.setWindowIcon(windowIcon.get());
    Orvo::COrvoWindow::describe(attributes);

    const MathTools::CDimension client(Orvo::CPanelLayout::CLIENT_WIDTH, Orvo::CPanelLayout::CLIENT_HEIGHT);
    MathTools::CDimension outer;
    GUI::Windows::getWindowSizeForClientSize(client, outer, attributes.getWindowStyle(),
                                             attributes.getExtendedWindowStyle(), false);
    return GUI::Windows::CWindow::getCentredOnScreen(outer);
}

int runMainWindow(const MathTools::CRect &area, GUI::Windows::CWindowAttributes &attributes)
{
    Basics::TCountedReference<Orvo::COrvoWindow> window(new Orvo::COrvoWindow(area));
    window->intialiseWindow(&attributes, true);
    CApplication::setMainWindow(window.get());
    const int code = CApplication::runMessageLoop();
    CApplication::setMainWindow(nullptr);
    return code;
}

/** Runs the window; whatever escapes it is shown, and the program then ends with status 1. */
int runGuarded(const MathTools::CRect &area, GUI::Windows::CWindowAttributes &attributes)
{
    try
    {
        return runMainWindow(area, attributes);
    }
    catch (const Exceptions::CException &exception)
    {
        Basics::CString text("Caught and exception. More details below\n\n");
        text += exception.getErrorReason();
        text += "\n\nIn the function\n\n";
        text += exception.getFunctionName();
        GUI::Windows::messageBox(text, EXCEPTION_TITLE, true);
    }
    catch (...)
    {
        GUI::Windows::messageBox("Caught an unknown exception!", EXCEPTION_TITLE, true);
    }
    CApplication::setMainWindow(nullptr);
    return 1;
}
} // namespace

int main()
{
    fillApplicationRecord();
    Host::detectProcessorFeatures();
    Application::startFramework();
    startPreparingInBackground();
    int code = 1;
    if (canOpenWindows())
    {
        GUI::Windows::CWindowAttributes attributes;
        const MathTools::CRect area = describeMainWindow(attributes);
        code = runGuarded(area, attributes);
    }
    Application::stopFramework(std::getenv("ORVO_CLASS_REPORT"));
    return code;
}
