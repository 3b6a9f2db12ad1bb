#include "framework/io/CTextStream.hpp"
#include "tests/support/LiveCounts.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <string>

using Corvane::Basics::CString;
using Corvane::IO::CTextStream;
using Corvane::Testing::LiveCounts;
using Corvane::Testing::TemporaryFolder;

namespace
{
/** Every line the stream hands out until it reports the end of the file. */
std::vector<std::string> readLines(const std::string &path)
{
    CTextStream stream(path.c_str(), CTextStream::MODE_READ);
    std::vector<std::string> lines;
    while (!stream.isEndOfFile())
    {
        CString line;
        stream >> line;
        lines.emplace_back(line.getString());
    }
    return lines;
}
} // namespace

TEST(CTextStream, WritesValuesAsTextAndReadsThemBackLineByLine)
{
    const LiveCounts before;
    {
        TemporaryFolder folder;
        const std::string path = folder.file("values.txt");
        {
            CTextStream out(path.c_str(), CTextStream::MODE_WRITE);
            ASSERT_TRUE(out.isStreamOpenForWriting());
            EXPECT_FALSE(out.isEndOfFile());
            const CString description(std::string(300, 'd').c_str());
            out << true << "\n" << 42L << "\n" << 0.25 << "\n" << 1.5f << "\n" << -7 << "\n" << CString("text") << "\n"
                << static_cast<const Corvane::Basics::ICountedObject &>(description);
        }
        EXPECT_EQ(TemporaryFolder::read(path), "true\n42\n0.25000000000000000000\n1.50000000000000000000\n-7\ntext\n" +
                                                   std::string(255, 'd')); // descriptions are cut at 255

        CTextStream in(path.c_str(), CTextStream::MODE_READ);
        bool flag = false;
        long number = 0;
        double fraction = 0;
        float single = 0;
        int negative = 0;
        CString text;
        in >> flag >> number >> fraction >> single >> negative >> text;
        EXPECT_TRUE(flag);
        EXPECT_EQ(number, 42);
        EXPECT_EQ(fraction, 0.25);
        EXPECT_EQ(single, 1.5f);
        EXPECT_EQ(negative, -7);
        EXPECT_STREQ(text.getString(), "text");
        in >> text;
        EXPECT_TRUE(in.isEndOfFile());
        // Past the last line a read converts an empty line.
        in >> number >> flag;
        EXPECT_EQ(number, 0);
        EXPECT_FALSE(flag);
    }
    EXPECT_EQ(LiveCounts().differencesFrom(before), "");
}

TEST(CTextStream, SplitsLongLinesAndDropsLineEnds)
{
    TemporaryFolder folder;
    const std::string full(1023, 'f');
    const std::string longer(1500, 'l');
    folder.write("lines.txt", "crlf\r\n" + full + "\n" + full + "\r\n" + longer + "\nin\rside\r\n\nlast\r");
    EXPECT_EQ(readLines(folder.file("lines.txt")),
              (std::vector<std::string>{"crlf", full, full, longer.substr(0, 1023), longer.substr(1023), "in\rside",
                                        "", "last"}));

    // A carriage return cut off by the length limit still ends the line with its line feed.
    folder.write("boundary.txt", std::string(1022, 'b') + "\r\nnext\n");
    EXPECT_EQ(readLines(folder.file("boundary.txt")),
              (std::vector<std::string>{std::string(1022, 'b'), "next", ""}));

    char buffer[CTextStream::LINE_BUFFER_SIZE];
    CTextStream in(folder.file("lines.txt").c_str(), CTextStream::MODE_READ);
    in >> buffer;
    EXPECT_STREQ(buffer, "crlf");
    in >> buffer >> buffer;
    EXPECT_FALSE(in.wasLineCut());
    in >> buffer;
    EXPECT_TRUE(in.wasLineCut());
    in >> buffer;
    EXPECT_FALSE(in.wasLineCut());
}

TEST(CTextStream, IgnoresOperationsInTheWrongModeOrWhenClosed)
{
    TemporaryFolder folder;
    const std::string path = folder.write("old.txt", "12\nold content\n");
    long untouched = 5;
    CTextStream missing(folder.file("missing.txt").c_str(), CTextStream::MODE_READ);
    missing >> untouched;
    EXPECT_TRUE(missing.isEndOfFile());

    // Opening for writing empties the file; reading from a writer changes nothing.
    CTextStream writer(path.c_str(), CTextStream::MODE_WRITE);
    writer >> untouched;
    EXPECT_EQ(untouched, 5);
    writer << CString("new");
    writer.closeStream();
    writer << "after close";
    EXPECT_TRUE(writer.isEndOfFile());
    EXPECT_EQ(TemporaryFolder::read(path), "new");
    EXPECT_FALSE(writer.openStream(path.c_str(), 2));
    CTextStream(path.c_str(), CTextStream::MODE_READ) << "ignored";
    EXPECT_EQ(TemporaryFolder::read(path), "new");
}
