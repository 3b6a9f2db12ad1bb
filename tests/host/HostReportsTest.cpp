#include "framework/host/HostReports.hpp"

#include "framework/host/Drives.hpp"
#include "framework/host/HostInformation.hpp"
#include "framework/platform/VideoSubsystem.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace Corvane::Host;
using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::IO::CTextStream;
using Corvane::Testing::TemporaryFolder;

namespace
{
std::string fpuReport(const ProcessorFeatures &features)
{
    auto flag = [](bool value) { return std::string(value ? "true" : "false"); };
    return "Corvane FPU info extraction tool \n----------------------------------\nHas MMX : " +
           flag(features.hasMMX) + "\nHas SSE : " + flag(features.hasSSE) + "\nHas SSE2: " + flag(features.hasSSE2) +
           "\nHas SSE3: " + flag(features.hasSSE3) + "\nHas HT  : " + flag(features.hasHyperThreading) +
           "\n----------------------------------\n";
}
} // namespace

TEST(HostReports, AFolderGetsTheDefaultFileName)
{
    EXPECT_STREQ(getReportPath("/reports/", "CPUStats.txt").getString(), "/reports/CPUStats.txt");
    EXPECT_STREQ(getReportPath("/out/my.txt", "CPUStats.txt").getString(), "/out/my.txt");
    EXPECT_STREQ(getReportPath("/reports", "CPUStats.txt").getString(), "/reportsCPUStats.txt");
    EXPECT_STREQ(getReportPath("/me/.reports/", "FPUStats.txt").getString(), "/me/.reports/FPUStats.txt");

    TemporaryFolder folder;
    EXPECT_TRUE(writeFPUReport(CSystemString((folder.path() + "/").c_str())));
    EXPECT_TRUE(writeDisplayReport(CString(folder.path().c_str())));
    EXPECT_EQ(TemporaryFolder::read(folder.file("FPUStats.txt")), fpuReport(getProcessorFeatures()));
    EXPECT_EQ(TemporaryFolder::read(folder.path() + "CPUStats.txt").rfind("Corvane Host display", 0), 0U);
    EXPECT_FALSE(writeDriveReport(CSystemString(folder.file("missing/report.txt").c_str())));
}

TEST(HostReports, FPUReportShowsEachFlag)
{
    TemporaryFolder folder;
    const std::string path = folder.file("fpu.txt");
    {
        CTextStream stream(path.c_str(), CTextStream::MODE_WRITE);
        writeFPUReport(stream, ProcessorFeatures{}); // as before any detection
    }
    EXPECT_NE(TemporaryFolder::read(path).find("Has SSE3: false\nHas HT  : false\n---"), std::string::npos);
    EXPECT_EQ(TemporaryFolder::read(path), fpuReport(ProcessorFeatures{}));

    detectProcessorFeatures();
    EXPECT_TRUE(writeFPUReport(CSystemString(path.c_str())));
    EXPECT_EQ(TemporaryFolder::read(path), fpuReport(getProcessorFeatures()));

    // A stream open for reading takes nothing.
    CTextStream reading(path.c_str(), CTextStream::MODE_READ);
    writeFPUReport(reading);
    writeDisplayReport(reading);
    writeDriveReport(reading);
    reading.closeStream();
    EXPECT_EQ(TemporaryFolder::read(path), fpuReport(getProcessorFeatures()));
}

TEST(HostReports, DisplayReportLines)
{
    Corvane::Platform::stopVideo();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    TemporaryFolder folder;
    const std::string path = folder.file("display.txt");
    ASSERT_TRUE(writeDisplayReport(CString(path.c_str())));
    EXPECT_EQ(TemporaryFolder::read(path), "Corvane Host display info extraction tool\n"
                                           "------------------------------------------\n\n"
                                           "Number of monitors\t:\t\t1\n"
                                           "Screen width\t\t:\t\t1024\n" // SDL's dummy display
                                           "Screen height\t\t:\t\t768\n"
                                           "------------------------------------------\n\n");
}

TEST(HostReports, DriveReportDescribesEveryDrive)
{
    TemporaryFolder folder;
    const std::string path = folder.file("drives.txt");
    ASSERT_TRUE(writeDriveReport(CSystemString(path.c_str())));
    const std::string report = TemporaryFolder::read(path);

    CString system, temporary, volume(nullptr), fileSystem(nullptr), typeName;
    getWindowsFolder(system);
    getTempFolder(temporary);
    const std::string rule = "----------------------------------------\n\n";
    const std::string start = "Corvane Host drive info extraction tool\n" + rule + "Windows folder : " +
                              system.getString() + "\nWindow temp folder : " + temporary.getString() + "\n\n" + rule;
    EXPECT_EQ(report.rfind(start, 0), 0U) << report;

    unsigned long serial = 0;
    ASSERT_TRUE(getVolumeInformation("/", volume, fileSystem, serial));
    getDriveTypeName("/", typeName);
    const std::string rootDrive = "Registered name : /\nVolume name : " + std::string(volume.getString()) +
                                  "\nFile system : " + fileSystem.getString() +
                                  "\nSerial code : " + std::to_string(serial) +
                                  "\nVolume is of type : " + typeName.getString() + "\n" + rule;
    EXPECT_NE(report.find(rootDrive), std::string::npos) << report;
}

TEST(HostInformation, FoldersOfTheSystem)
{
    CString folder("unchanged");
    ASSERT_TRUE(getWindowsFolder(folder));
    EXPECT_EQ(folder.getString()[0], '/');
    EXPECT_FALSE(CSystemString(folder).endsWith("/"));

    const char *variable = std::getenv("TMPDIR");
    const std::string previous = variable != nullptr ? variable : "";
    setenv("TMPDIR", "/var/tmp", 1);
    getTempFolder(folder);
    EXPECT_STREQ(folder.getString(), "/var/tmp/");
    unsetenv("TMPDIR");
    getTempFolder(folder);
    EXPECT_STREQ(folder.getString(), "/tmp/");
    if (variable != nullptr)
        setenv("TMPDIR", previous.c_str(), 1);
}
