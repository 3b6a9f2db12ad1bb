#include "framework/host/HostInformation.hpp"

#include "framework/basics/CSystemString.hpp"
#include "framework/host/FileFunctions.hpp"
#include "framework/platform/ScreenMetrics.hpp"

#include <cstdlib>
#include <dlfcn.h>

namespace Corvane::Host
{
int getNumberOfMonitors()
{
    return Platform::getNumberOfDisplays();
}

int getScreenWidth()
{
    int width = 0, height = 0;
    Platform::getPrimaryDisplaySize(width, height);
    return width;
}

int getScreenHeight()
{
    int width = 0, height = 0;
    Platform::getPrimaryDisplaySize(width, height);
    return height;
}

int getBorderWidth()
{
    return 0;
}

int getBorderHeight()
{
    return 0;
}

bool getWindowsFolder(Basics::CString &folder)
{
    Dl_info library{};
    if (dladdr(reinterpret_cast<void *>(&std::abort), &library) == 0 || library.dli_fname == nullptr)
        return false;
    return getFolderOfFile(Basics::CSystemString(library.dli_fname), folder, false);
}

void getTempFolder(Basics::CString &folder)
{
    const char *variable = std::getenv("TMPDIR");
    Basics::CSystemString path(variable != nullptr && variable[0] != '\0' ? variable : "/tmp/");
    if (!path.endsWith(Basics::CSystemString::PATH_SEPARATOR))
        path.appendPathSeparator();
    folder = path;
}
} // namespace Corvane::Host
