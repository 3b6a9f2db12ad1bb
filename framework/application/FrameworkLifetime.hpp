#pragma once

namespace Corvane::Application
{
/**
 * Starts the framework's eager process services, in this order: the log (closed until the program
 * opens it), the image stores, and the default font, Arial at 8 points. Services that can only
 * start when needed (the video subsystem, the platform backend, the cursors) start on their first
 * use and join the same shutdown. Call it once, after filling the application record.
 */
void startFramework();

/**
 * Stops everything the program started, in reverse order of start: every process service (the
 * default font and the image stores before the log, whatever started on first use before the
 * services that were running when it started), then the class registry, which writes its report
 * to @p classReportPath first when one is given, and last the application record. The program
 * may start the framework again afterwards.
 */
void stopFramework(const char *classReportPath = nullptr);
} // namespace Corvane::Application
