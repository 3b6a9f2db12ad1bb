#include "framework/io/CFileStream.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <string>

using Corvane::IO::CFileStream;
using Corvane::Testing::TemporaryFolder;

TEST(CFileStream, ReadsMultiByteValuesInTheFilesByteOrder)
{
    ASSERT_EQ(CFileStream::getHostByteOrder(), CFileStream::LOWEST_BYTE_FIRST);
    TemporaryFolder folder;
    const std::string path = folder.write("bytes.bin", std::string("\x34\x12\x34\x12\x34\x12\x78\x56\x34\x12", 10));

    std::uint16_t value = 0;
    CFileStream little(path.c_str(), false, true);
    little >> value;
    EXPECT_EQ(value, 0x1234);
    CFileStream big(path.c_str(), false, false);
    big >> value;
    EXPECT_EQ(value, 0x3412);
    unsigned short shorts[2] = {};
    EXPECT_TRUE(big.readShorts(shorts, 2));
    EXPECT_EQ(shorts[1], 0x3412);
    std::uint32_t word = 0;
    big >> word;
    EXPECT_EQ(word, 0x78563412u);
    EXPECT_FALSE(big.hasError());

    CFileStream asStored;
    asStored.openStream(path.c_str(), false, false, true);
    asStored >> value;
    EXPECT_EQ(value, 0x1234);
    EXPECT_EQ(asStored.getStreamLength(), 10);
    EXPECT_EQ(asStored.getPosition(), 2);
}

TEST(CFileStream, WritesValuesInTheFilesByteOrderAndReadsThemBack)
{
    TemporaryFolder folder;
    const std::string path = folder.file("values.bin");
    {
        CFileStream out(path.c_str(), true, false);
        out << 'c' << true << static_cast<std::int16_t>(-300) << static_cast<std::uint32_t>(0x01020304)
            << static_cast<std::int64_t>(-5000000000) << 2.5f << -0.125;
        EXPECT_FALSE(out.hasError());
        EXPECT_EQ(out.getStreamLength(), -1);
    }
    const std::string bytes = TemporaryFolder::read(path);
    ASSERT_EQ(bytes.size(), 28u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("c\x01\xFE\xD4\x01\x02\x03\x04", 8));

    CFileStream in(path.c_str(), false, false);
    char c = 0;
    bool b = false;
    std::int16_t i16 = 0;
    std::uint32_t u32 = 0;
    std::int64_t i64 = 0;
    float f = 0;
    double d = 0;
    in >> c >> b >> i16 >> u32 >> i64 >> f >> d;
    EXPECT_FALSE(in.hasError());
    EXPECT_EQ(c, 'c');
    EXPECT_TRUE(b);
    EXPECT_EQ(i16, -300);
    EXPECT_EQ(u32, 0x01020304u);
    EXPECT_EQ(i64, -5000000000);
    EXPECT_EQ(f, 2.5f);
    EXPECT_EQ(d, -0.125);
    EXPECT_FALSE(in.isEndOfFile());
    in >> c; // past the end
    EXPECT_TRUE(in.hasError());
    EXPECT_TRUE(in.isEndOfFile());
}

TEST(CFileStream, FlagsFailedAndMisdirectedTransfers)
{
    TemporaryFolder folder;
    const std::string path = folder.write("two.bin", std::string("\x02\x01", 2));

    bool flag = true;
    CFileStream in(path.c_str(), false, true);
    in >> flag;
    EXPECT_FALSE(flag); // only the byte 1 is true
    in << 5.0;
    EXPECT_TRUE(in.hasError());
    in.closeStream();
    EXPECT_FALSE(in.hasError());
    in.openStream(path.c_str(), false, true, false);
    std::uint32_t tooLong = 7;
    in >> tooLong;
    EXPECT_TRUE(in.hasError());
    EXPECT_EQ(tooLong, 7u);

    CFileStream missing(folder.file("missing.bin").c_str(), false, true);
    EXPECT_FALSE(missing.seekFromCurrent(1));
    unsigned char byte = 0;
    EXPECT_FALSE(missing.readBytes(&byte, 1));
    EXPECT_TRUE(missing.hasError());

    CFileStream out(folder.file("out.bin").c_str(), true, true);
    EXPECT_FALSE(out.readBytes(&byte, 1));
    EXPECT_TRUE(out.hasError());
    EXPECT_TRUE(out.writeBytes(&byte, 1));
    EXPECT_TRUE(out.flush());
}
