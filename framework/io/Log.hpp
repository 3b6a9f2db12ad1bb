#pragma once

#include "framework/basics/CSystemString.hpp"

namespace Corvane::IO
{
/**
 * The framework log: one process-wide text file into which framework code writes its failure
 * messages. It stays closed until an application opens it, and messages written while it is
 * closed are dropped. Not thread-safe: it is used from the user-interface thread only.
 */

/** The longest message logMessage writes; longer ones are cut. */
constexpr long MAXIMUM_LOG_MESSAGE_LENGTH = 315;

/** Closes the log if it is open, then opens @p path for writing, emptying it. */
bool openLog(const Basics::CSystemString &path);
void closeLog();
bool isLogOpen();

/** Formats printf-style (the point as decimal separator), cuts at 315 characters, writes a line. */
void logMessage(const char *format, ...) __attribute__((format(printf, 1, 2)));

/** Writes @p message followed by the object's description (at most 1023 characters) as a line. */
void logObjectMessage(const Basics::ICountedObject &object, const Basics::CString &message);
} // namespace Corvane::IO
