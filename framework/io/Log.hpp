#pragma once

#include "framework/basics/CSystemString.hpp"

namespace Corvane::IO
{
/**
 * The framework log: one process-wide text file into which framework code writes its failure
 * messages. It stays closed until an application opens it, and messages written while it is
 * closed are dropped. Not thread-safe: it is used from the user-interface thread only.
 *
 * The log is a process service: startLog (or the first openLog) registers it, and the process
 * shutdown closes it after every service that started later, so their stop steps can still log.
 */

/** The longest message logMessage writes; longer ones are cut. */
constexpr long MAXIMUM_LOG_MESSAGE_LENGTH = 315;

/** Makes the log a process service; it stays closed until openLog. Starting it again changes nothing. */
void startLog();
/** Closes the log and takes it out of the process services. */
void stopLog();

/** Starts the log, closes it if it is open, then opens @p path for writing, emptying it. */
bool openLog(const Basics::CSystemString &path);
/** Closes the file; the log stays a service, and may be opened again. */
void closeLog();
bool isLogOpen();

/** Formats printf-style (the point as decimal separator), cuts at 315 characters, writes a line. */
void logMessage(const char *format, ...) __attribute__((format(printf, 1, 2)));

/** Writes @p message followed by the object's description (at most 1023 characters) as a line. */
void logObjectMessage(const Basics::ICountedObject &object, const Basics::CString &message);
} // namespace Corvane::IO
