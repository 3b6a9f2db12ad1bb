#include "app/startup/ComposeTable.hpp"

#include <cstdlib>

namespace Corvane::Orvo
{
void leaveOutComposeTable()
{
    ::setenv("XCOMPOSEFILE", EMPTY_COMPOSE_FILE, 0);
}
} // namespace Corvane::Orvo
