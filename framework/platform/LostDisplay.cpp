#include "framework/platform/LostDisplay.hpp"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace Corvane::Platform
{
void endForLostDisplay(const char *displayName)
{
    std::fflush(nullptr);
    const char *name = displayName != nullptr && *displayName != '\0' ? displayName : "(unnamed)";
    std::fprintf(stderr, "%s: the connection to the display %s was lost\n", program_invocation_short_name, name);
    std::fflush(stderr);
    _exit(LOST_DISPLAY_STATUS);
}
} // namespace Corvane::Platform
