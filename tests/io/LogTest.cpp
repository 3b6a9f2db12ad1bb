#include "framework/io/Log.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <string>

using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::Testing::TemporaryFolder;
namespace IO = Corvane::IO;

TEST(Log, WritesLinesOnlyWhileOpen)
{
    TemporaryFolder folder;
    const std::string path = folder.write("log.txt", "old content\n");
    IO::logMessage("dropped while closed");

    ASSERT_TRUE(IO::openLog(path.c_str()));
    IO::logMessage("value %d of %.2f", 3, 0.5);
    IO::logObjectMessage(CSystemString("/dir/file.xml"), CString("Failed to open XML stream with path = "));
    IO::logMessage("%s", std::string(400, 'm').c_str());
    IO::logObjectMessage(CString(std::string(2000, 'd').c_str()), CString("long: "));
    IO::closeLog();
    IO::logMessage("dropped after close");

    EXPECT_EQ(TemporaryFolder::read(path), "value 3 of 0.50\nFailed to open XML stream with path = /dir/file.xml\n" +
                                               std::string(315, 'm') + "\nlong: " + std::string(1023, 'd') + "\n");

    // Reopening empties the file; a log that cannot be opened stays closed.
    ASSERT_TRUE(IO::openLog(path.c_str()));
    EXPECT_FALSE(IO::openLog(folder.file("missing/log.txt").c_str()));
    EXPECT_FALSE(IO::isLogOpen());
    IO::logMessage("nowhere");
    EXPECT_EQ(TemporaryFolder::read(path), "");
}
