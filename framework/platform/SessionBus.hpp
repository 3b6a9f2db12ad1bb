#pragma once

namespace Corvane::Platform
{
/**
 * The address libdbus is given when the session has no message bus: one it refuses at once, so
 * that nothing is connected to and nothing is started.
 */
constexpr const char *NO_SESSION_BUS_ADDRESS = "disabled:";

/**
 * SDL connects to the session's message bus at start (for input methods). Where the session has
 * none, libdbus would start one for the display: it runs dbus-launch, whose bus daemon outlives the
 * program, at a cost of several milliseconds of every start, and no input method is on a bus made
 * that way. So when neither DBUS_SESSION_BUS_ADDRESS nor the bus socket in XDG_RUNTIME_DIR (where
 * libdbus looks first) names a bus, DBUS_SESSION_BUS_ADDRESS is set to NO_SESSION_BUS_ADDRESS.
 * Called before SDL starts, while the program has one thread.
 */
void refuseSessionBusLaunch();
} // namespace Corvane::Platform
