#include "framework/platform/SessionBus.hpp"

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace Corvane::Platform
{
namespace
{
bool hasSessionBus()
{
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS") != nullptr)
        return true;
    const char *runtimeFolder = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeFolder == nullptr || *runtimeFolder == '\0')
        return false;
    struct stat status;
    return ::stat((std::string(runtimeFolder) + "/bus").c_str(), &status) == 0 && S_ISSOCK(status.st_mode);
}
} // namespace

void refuseSessionBusLaunch()
{
    if (!hasSessionBus())
        ::setenv("DBUS_SESSION_BUS_ADDRESS", NO_SESSION_BUS_ADDRESS, 1);
}
} // namespace Corvane::Platform
