#pragma once

#include "framework/basics/CSystemString.hpp"
#include "framework/gui/windows/CMessageBox.hpp"

#include <functional>

namespace Corvane::GUI::Windows
{
/** What messageBox answers when the box is closed (there is only OK). */
constexpr long MESSAGE_BOX_OK = 1;

/**
 * Shows @p text under @p title with an OK button, with the error icon when @p isError, modal,
 * and answers MESSAGE_BOX_OK. Without a display the box goes to standard error instead
 * ("title: text"): a program must never hang or crash there.
 */
long messageBox(const Basics::CString &text, const Basics::CString &title, bool isError);

/** The same with Yes and No and the question icon; true for Yes. No display answers No. */
bool askYesNo(const Basics::CString &text, const Basics::CString &title);

/**
 * Answers message boxes instead of showing them (for tests): it gets each box's text, title and
 * kind and answers as the user would (true for OK or Yes). An empty handler shows boxes again.
 * Answers the handler installed before.
 */
using MessageBoxHandler =
    std::function<bool(const Basics::CString &text, const Basics::CString &title, EMessageBoxKind kind)>;
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

/** The display's alert sound (the X bell). */
void beep();

/**
 * The desktop's folder chooser (zenity, when it is installed) with @p title: true, and @p folder
 * the chosen path, when the user picks one; false when cancelled or when there is no chooser.
 */
bool browseForFolder(Basics::CString &folder, const Basics::CString &title);
/**
 * The file choosers: files ending in "." + @p extension under @p description, and
 * "All files (*.*)". A @p file other than "" or " " is offered as the name, with the extension
 * added. True, and @p file the chosen path, when the user confirms.
 */
bool chooseFileToOpen(Basics::CSystemString &file, const Basics::CString &title, const Basics::CString &description,
                      const Basics::CString &extension);
bool chooseFileToSave(Basics::CSystemString &file, const Basics::CString &title, const Basics::CString &description,
                      const Basics::CString &extension);

/** The outer rectangle of @p window on the screen; false when the platform cannot tell. */
bool getWindowRect(const CWindow &window, MathTools::CRect &area);
bool getClientSize(const CWindow &window, MathTools::CDimension &size);
bool getClientAreaOnScreen(const CWindow &window, MathTools::CRect &area);
bool isWindowVisible(const CWindow &window);
void setForegroundWindow(CWindow &window);
/** The pointer's position on the screen; false when the platform cannot tell. */
bool getCursorPosition(MathTools::CPoint &position);
/**
 * The outer size a window of that style needs for @p client: the client size itself, since the
 * window manager draws its frame outside the client area.
 */
bool getWindowSizeForClientSize(const MathTools::CDimension &client, MathTools::CDimension &window,
                                std::uint32_t style, std::uint32_t extendedStyle, bool hasMenu);
/** @p points at the screen's vertical pixels per inch, truncated. */
long pointSizeToLogicalHeight(long points);
} // namespace Corvane::GUI::Windows
