#pragma once

#include <string>

namespace Corvane::Platform
{
/**
 * SDL's video subsystem, started by the first piece of the framework that needs a display. The
 * outcome is kept: after a failed start (no display to reach) every later call answers false at
 * once, and only the first failure is logged, with SDL's reason. A successful start registers
 * the subsystem as a process service, so the process shutdown lets SDL's threads and display
 * connection go.
 */
bool startVideo();

/**
 * Starts SDL's event subsystem alone, the part of SDL's start that connects to the session's
 * message bus, registered as a process service that stops after the video subsystem. Once is
 * enough; false when SDL cannot start it (the video start then reports why).
 */
bool startEvents();

/**
 * Shuts the subsystem down, withdraws the service and forgets a failed start, so the next
 * startVideo tries again.
 */
void stopVideo();

bool isVideoRunning();

/**
 * Why the video subsystem did not start, on one line: SDL's @p error, the @p display asked for
 * (null or "" when none was named) and the non-blank lines of @p complaints, what the windowing
 * library printed on standard error meanwhile (an X server's refusal, say).
 */
std::string describeVideoFailure(const std::string &error, const char *display, const std::string &complaints);
} // namespace Corvane::Platform
