#pragma once

#include "framework/basics/CSystemString.hpp"
#include "framework/host/ProcessorFeatures.hpp"
#include "framework/io/CTextStream.hpp"

namespace Corvane::Host
{
/**
 * Plain-text reports about the machine. Each writer takes a file path; a path whose last name has
 * no file extension gets the report's default file name glued on as it stands, so a folder is
 * passed with its final separator (/reports/ gives /reports/CPUStats.txt, /reports gives
 * /reportsCPUStats.txt, and a dot in a folder name, as in /home/me/.reports/, changes nothing).
 * The writer empties the file, writes the report and answers whether the
 * file could be opened. Each report body writes to an open stream and writes nothing to a closed
 * one.
 */

/** Monitors and screen size, to "CPUStats.txt" by default. */
bool writeDisplayReport(const Basics::CString &path);
void writeDisplayReport(IO::CTextStream &stream);

/** The processor features detected so far, to "FPUStats.txt" by default. */
bool writeFPUReport(const Basics::CSystemString &path);
void writeFPUReport(IO::CTextStream &stream);
void writeFPUReport(IO::CTextStream &stream, const ProcessorFeatures &features);

/** The system folders and every drive with its volume, to "CPUStats.txt" by default. */
bool writeDriveReport(const Basics::CSystemString &path);
void writeDriveReport(IO::CTextStream &stream);

/** Where a writer puts its report: @p path itself, or with @p defaultName glued on. */
Basics::CSystemString getReportPath(const Basics::CString &path, const char *defaultName);
} // namespace Corvane::Host
