#pragma once

#include "framework/basics/CString.hpp"
#include "framework/basics/CSystemString.hpp"

namespace Corvane::GUI::Windows
{
struct IWindow;
}

namespace Corvane::Application
{
/**
 * The process-wide values that describe the running program: its names, version, legal notice,
 * description, registry path, the folder it runs from, and its main window. Never instantiated.
 * Each text slot is made on first use holding a single blank, so a getter never answers null;
 * releaseApplication (which stopFramework calls last) deletes them.
 */
class CApplication
{
public:
    CApplication() = delete;

    static void setProductName(const Basics::CString &name);
    static void setCompanyName(const Basics::CString &name);
    static void setVersionString(const Basics::CString &version);
    static void setLegalNotice(const Basics::CString &notice);
    static void setDescription(const Basics::CString &description);
    static void setRegistryPath(const Basics::CString &path);
    static void setApplicationPath(const Basics::CSystemString &path);

    static Basics::CString *getProductName();
    static Basics::CString *getCompanyName();
    static Basics::CString *getVersionString();
    static Basics::CString *getLegalNotice();
    static Basics::CString *getDescription();
    static Basics::CString *getRegistryPath();
    static Basics::CSystemString *getApplicationPath();

    /** The main window, not owned; null until set. */
    static void setMainWindow(GUI::Windows::IWindow *window);
    static GUI::Windows::IWindow *getMainWindow();

    /**
     * Sets the application path to the folder of the running executable, with its final '/'
     * (a single blank when the system cannot name the executable).
     */
    static void initialiseApplication();

    /** Deletes every text slot; the main window is left as it is. */
    static void releaseApplication();

    /**
     * Hands every message of the program's windows to its window, sleeping while none comes,
     * until the quit request: answers its code (0 when the main window closed). Whenever the
     * queue runs empty, the windows paint what they have pending.
     */
    static int runMessageLoop();
    /** Asks the message loop to end with 0 once the messages already waiting are handled. */
    static void postQuit();
};
} // namespace Corvane::Application
