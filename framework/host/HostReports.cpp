#include "framework/host/HostReports.hpp"

#include "framework/host/Drives.hpp"
#include "framework/host/FileFunctions.hpp"
#include "framework/host/HostInformation.hpp"

namespace Corvane::Host
{
using Basics::CString;
using Basics::CSystemString;
using IO::CTextStream;

namespace
{
const char *const DISPLAY_REPORT_NAME = "CPUStats.txt";
const char *const FPU_REPORT_NAME = "FPUStats.txt";
const char *const DRIVE_REPORT_NAME = "CPUStats.txt";
const char *const DRIVE_RULE = "----------------------------------------\n\n";
const char *const FPU_RULE = "----------------------------------\n";

bool writeReport(const CString &path, const char *defaultName, void (*body)(CTextStream &))
{
    CTextStream stream(getReportPath(path, defaultName), CTextStream::MODE_WRITE);
    body(stream);
    const bool written = stream.isStreamOpenForWriting();
    stream.closeStream();
    return written;
}

void writeVolume(CTextStream &stream, const CString &root)
{
    CString volumeName(nullptr);
    CString fileSystem(nullptr);
    unsigned long serialNumber = 0;
    getVolumeInformation(CSystemString(root), volumeName, fileSystem, serialNumber);
    CString serial;
    serial.setStringWithFormat("%lu", serialNumber);
    CString typeName;
    getDriveTypeName(CSystemString(root), typeName);
    stream << "Registered name : " << root << "\n";
    stream << "Volume name : " << volumeName << "\n";
    stream << "File system : " << fileSystem << "\n";
    stream << "Serial code : " << serial << "\n";
    stream << "Volume is of type : " << typeName << "\n";
    stream << DRIVE_RULE;
}
} // namespace

CSystemString getReportPath(const CString &path, const char *defaultName)
{
    CSystemString reportPath(path);
    if (!hasFileNameExtension(reportPath))
        reportPath.appendString(defaultName);
    return reportPath;
}

bool writeDisplayReport(const CString &path)
{
    return writeReport(path, DISPLAY_REPORT_NAME, writeDisplayReport);
}

void writeDisplayReport(CTextStream &stream)
{
    if (!stream.isStreamOpenForWriting())
        return; // spares starting the video subsystem when nothing can be written
    stream << "Corvane Host display info extraction tool\n";
    stream << "------------------------------------------\n\n";
    stream << "Number of monitors\t:\t\t" << getNumberOfMonitors() << "\n";
    stream << "Screen width\t\t:\t\t" << getScreenWidth() << "\n";
    stream << "Screen height\t\t:\t\t" << getScreenHeight() << "\n";
    stream << "------------------------------------------\n\n";
}

bool writeFPUReport(const CSystemString &path)
{
    return writeReport(path, FPU_REPORT_NAME, writeFPUReport);
}

void writeFPUReport(CTextStream &stream)
{
    writeFPUReport(stream, getProcessorFeatures());
}

void writeFPUReport(CTextStream &stream, const ProcessorFeatures &features)
{
    stream << "Corvane FPU info extraction tool \n";
    stream << FPU_RULE;
    stream << "Has MMX : " << features.hasMMX << "\n";
    stream << "Has SSE : " << features.hasSSE << "\n";
    stream << "Has SSE2: " << features.hasSSE2 << "\n";
    stream << "Has SSE3: " << features.hasSSE3 << "\n";
    stream << "Has HT  : " << features.hasHyperThreading << "\n";
    stream << FPU_RULE;
}

bool writeDriveReport(const CSystemString &path)
{
    return writeReport(path, DRIVE_REPORT_NAME, writeDriveReport);
}

void writeDriveReport(CTextStream &stream)
{
    if (!stream.isStreamOpenForWriting())
        return; // spares the look at every drive when nothing can be written
    CString systemFolder(nullptr);
    getWindowsFolder(systemFolder);
    CString temporaryFolder;
    getTempFolder(temporaryFolder);
    stream << "Corvane Host drive info extraction tool\n";
    stream << DRIVE_RULE;
    stream << "Windows folder : " << systemFolder << "\n";
    stream << "Window temp folder : " << temporaryFolder << "\n\n";
    stream << DRIVE_RULE;
    Basics::TObjectDeleter<CString> deleter;
    Basics::TPointerCollection<CString> drives(&deleter);
    getLogicalDrives(drives);
    for (long index = 0; index < drives.getNumberOfElements(); index++)
        writeVolume(stream, *drives.getElementAtIndex(index));
}
} // namespace Corvane::Host
