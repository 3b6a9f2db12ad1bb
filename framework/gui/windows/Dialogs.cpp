#include "framework/gui/windows/Dialogs.hpp"

#include "framework/gui/graphics/CFont.hpp"
#include "framework/host/ChildProcess.hpp"
#include "framework/platform/IPlatformDriver.hpp"

#include <cstdio>
#include <string>
#include <vector>

namespace Corvane::GUI::Windows
{
using Basics::CString;
using Basics::CSystemString;

namespace
{
MessageBoxHandler &installedHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

bool showBox(const CString &text, const CString &title, EMessageBoxKind kind)
{
    if (installedHandler())
        return installedHandler()(text, title, kind);
    std::string reason;
    if (!Platform::getPlatformDriver().start(reason))
    {
        std::fprintf(stderr, "%s: %s\n", title.getString(), text.getString());
        return kind != EMessageBoxKind::QUESTION;
    }
    // Counted like every window: the reference keeps it alive until the box is answered.
    Basics::TCountedReference<CMessageBox> box(new CMessageBox(text, title, kind));
    return box->run();
}

/** Runs zenity's file selection with @p options; the chosen path without its line end. */
bool runChooser(const CString &title, const std::vector<std::string> &options, std::string &chosen)
{
    std::vector<std::string> arguments{"zenity", "--file-selection", std::string("--title=") + title.getString()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    if (!Host::runProgram(arguments, chosen))
        return false;
    while (!chosen.empty() && (chosen.back() == '\n' || chosen.back() == '\r'))
        chosen.pop_back();
    return !chosen.empty();
}

bool chooseFile(CSystemString &file, const CString &title, const CString &description, const CString &extension,
                bool saving)
{
    const std::string ending = std::string("*.") + extension.getString();
    std::vector<std::string> options{
        std::string("--file-filter=") + description.getString() + " | " + ending,
        "--file-filter=All files (*.*) | *"};
    if (saving)
        options.emplace_back("--save");
    const std::string given = file.getString();
    if (!given.empty() && given != " ")
        options.push_back("--filename=" + given + "." + extension.getString());
    std::string chosen;
    if (!runChooser(title, options, chosen))
        return false;
    file.setString(chosen.c_str());
    return true;
}
} // namespace

long messageBox(const CString &text, const CString &title, bool isError)
{
    showBox(text, title, isError ? EMessageBoxKind::ERROR : EMessageBoxKind::INFORMATION);
    return MESSAGE_BOX_OK;
}

bool askYesNo(const CString &text, const CString &title)
{
    return showBox(text, title, EMessageBoxKind::QUESTION);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(installedHandler());
    installedHandler() = std::move(handler);
    return previous;
}

void beep()
{
    Platform::getPlatformDriver().beep();
}

bool browseForFolder(CString &folder, const CString &title)
{
    std::string chosen;
    if (!runChooser(title, {"--directory"}, chosen))
        return false;
    folder.setString(chosen.c_str());
    return true;
}

bool chooseFileToOpen(CSystemString &file, const CString &title, const CString &description, const CString &extension)
{
    return chooseFile(file, title, description, extension, false);
}

bool chooseFileToSave(CSystemString &file, const CString &title, const CString &description, const CString &extension)
{
    return chooseFile(file, title, description, extension, true);
}

bool getWindowRect(const CWindow &window, MathTools::CRect &area)
{
    Platform::SArea outer;
    if (window.getPlatformWindow() == nullptr || !window.getPlatformWindow()->getOuterArea(outer))
        return false;
    area.setRect(outer.x, outer.y, outer.width, outer.height);
    return true;
}

bool getClientSize(const CWindow &window, MathTools::CDimension &size)
{
    Platform::SSize client;
    if (window.getPlatformWindow() == nullptr || !window.getPlatformWindow()->getClientSize(client))
        return false;
    size.setDimension(client.width, client.height);
    return true;
}

bool getClientAreaOnScreen(const CWindow &window, MathTools::CRect &area)
{
    return window.getClientAreaOnScreen(area);
}

bool isWindowVisible(const CWindow &window)
{
    return window.getPlatformWindow() != nullptr && window.getPlatformWindow()->isVisible();
}

void setForegroundWindow(CWindow &window)
{
    if (window.getPlatformWindow() != nullptr)
        window.getPlatformWindow()->bringToForeground();
}

bool getCursorPosition(MathTools::CPoint &position)
{
    Platform::SPoint pointer;
    if (!Platform::getPlatformDriver().getPointerPosition(pointer))
        return false;
    position.setPoint(pointer.x, pointer.y);
    return true;
}

bool getWindowSizeForClientSize(const MathTools::CDimension &client, MathTools::CDimension &window, std::uint32_t,
                                std::uint32_t, bool)
{
    window = client;
    return true;
}

long pointSizeToLogicalHeight(long points)
{
    return points * Graphics::getScreenPixelsPerInch() / 72;
}
} // namespace Corvane::GUI::Windows
