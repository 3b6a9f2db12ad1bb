#include "framework/basics/CPascalString.hpp"
#include "framework/basics/CString.hpp"

#include <gtest/gtest.h>

#include "tests/support/TemporaryFolder.hpp"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

using Corvane::Basics::CString;

TEST(CString, ConstructionAndSize)
{
    CString null(nullptr);
    EXPECT_STREQ(null.getString(), " ");
    EXPECT_EQ(null.getSize(), 2);
    CString empty("");
    EXPECT_STREQ(empty.getString(), "");
    EXPECT_EQ(empty.getSize(), 1);
    EXPECT_EQ(CString().getSize(), 1);

    CString text("abc");
    CString copy(text);
    text.appendString("d");
    EXPECT_STREQ(copy.getString(), "abc");
    EXPECT_EQ(text.getSize(), 5);

    text.setString(static_cast<const char *>(nullptr));
    EXPECT_STREQ(text.getString(), "abcd");
    EXPECT_FALSE(text.isSizeZero());
}

TEST(CString, AssignsNumbersAndTruthValues)
{
    CString text;
    text = 5L;
    EXPECT_STREQ(text.getString(), "005");
    text = 1234L;
    EXPECT_STREQ(text.getString(), "1234");
    text = -5;
    EXPECT_STREQ(text.getString(), "-005");
    text = 2.5f;
    EXPECT_STREQ(text.getString(), "2.500");
    text = true;
    EXPECT_STREQ(text.getString(), "True");
    text = false;
    EXPECT_STREQ(text.getString(), "False");
    EXPECT_STREQ(CString::floatToString(0.25f).getString(), "0.250");
    EXPECT_STREQ(CString::longToString(7).getString(), "007");

    text.setStringWithFormat("%0.02f|%s|%li", 428.5714, "x", 42L);
    EXPECT_STREQ(text.getString(), "428.57|x|42");
}

namespace
{
/** Switches numbers to a German locale (decimal comma), compiling it first when it is not installed. */
bool useCommaLocale(const Corvane::Testing::TemporaryFolder &folder)
{
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr)
        return true;
    const std::string compile = "localedef -i de_DE -f UTF-8 '" + folder.file("de_DE.UTF-8") + "' 2>/dev/null";
    if (std::system(compile.c_str()) != 0)
        return false;
    setenv("LOCPATH", folder.path().c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}
} // namespace

TEST(CString, NumbersIgnoreTheUsersLocale)
{
    // A locale with a decimal comma must change neither what is written nor what is read.
    Corvane::Testing::TemporaryFolder folder;
    ASSERT_TRUE(useCommaLocale(folder));
    char native[16];
    std::snprintf(native, sizeof native, "%0.1f", 1.5);
    EXPECT_STREQ(native, "1,5");
    CString text;
    text.setStringWithFormat("%0.02f", 1.5);
    const double read = CString::toDouble("12.5");
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
    EXPECT_STREQ(text.getString(), "1.50");
    EXPECT_DOUBLE_EQ(read, 12.5);
}

TEST(CString, ConvertsTextToNumbers)
{
    EXPECT_DOUBLE_EQ(CString::toDouble("12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(CString::toDouble("abc"), 0.0);
    EXPECT_DOUBLE_EQ(CString::toDouble("   7"), 7.0);
    EXPECT_DOUBLE_EQ(CString::toDouble(nullptr), 0.0);
    EXPECT_EQ(CString::toLong(" -42x"), -42);
    EXPECT_EQ(CString::toLong("99999999999"), 2147483647);
    EXPECT_EQ(CString::toLong("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(CString::toLong(""), 0);
}

TEST(CString, SubStringsAndCharacters)
{
    const CString text("abcdef");
    EXPECT_STREQ(text.getSubString(2, 4).getString(), "cde");
    EXPECT_STREQ(text.getSubString(3, 3).getString(), "d");
    EXPECT_STREQ(text.getSubString(4, 2).getString(), "");
    EXPECT_STREQ(text.getSubString(-1, 2).getString(), "");
    EXPECT_STREQ(text.getSubString(2, 8).getString(), "");
    EXPECT_STREQ(text.getSubString(2, 7).getString(), "cdef");

    EXPECT_EQ(text.characterAt(-1), ' ');
    EXPECT_EQ(text.characterAt(text.getSize()), ' ');
    EXPECT_EQ(text.characterAt(text.getSize() - 1), '\0');
    EXPECT_EQ(text[1], 'b');

    char buffer[8] = "xxxxxxx";
    CString("hello").getString(buffer, 4);
    EXPECT_STREQ(buffer, "hel");
    CString("hi").getString(buffer, 8);
    EXPECT_EQ(std::string(buffer, 8), std::string("hi\0\0\0\0\0\0", 8));
}

TEST(CString, WhiteSpaceAndCase)
{
    CString text("ab  ");
    text.removeTrailingWhiteSpace();
    EXPECT_STREQ(text.getString(), "ab");
    text = "a ";
    text.removeTrailingWhiteSpace();
    EXPECT_STREQ(text.getString(), "a");
    text = "   ";
    text.removeTrailingWhiteSpace();
    EXPECT_STREQ(text.getString(), "   ");
    text.removeLeadingWhiteSpace();
    EXPECT_STREQ(text.getString(), "");
    text = "\t\n x y\r\f";
    text.removeWhiteSpace();
    EXPECT_STREQ(text.getString(), "x y");

    text.toUpperCase();
    EXPECT_STREQ(text.getString(), "X Y");
    text.toLowerCase();
    EXPECT_STREQ(text.getString(), "x y");
    EXPECT_TRUE(text.isEqualToIgnoringCase("X Y"));
    EXPECT_FALSE(text.isEqualToIgnoringCase("X Y "));
    EXPECT_FALSE(text.isEqualTo(static_cast<const char *>(nullptr)));

    text.removeLastCharacter();
    EXPECT_STREQ(text.getString(), "x ");
    CString empty("");
    empty.removeLastCharacter();
    EXPECT_EQ(empty.getSize(), 1);
}

TEST(CString, FindsAndReplaces)
{
    const CString text("a&b&amp;");
    EXPECT_EQ(text.findFirst('&'), 1);
    EXPECT_EQ(text.findLast('&'), 3);
    EXPECT_EQ(text.findFirst('\0'), 8);
    EXPECT_EQ(text.findFirst('z'), -1);
    EXPECT_EQ(text.findString("&amp;"), 3);
    EXPECT_EQ(text.findString("&amp;x"), -1);
    EXPECT_EQ(text.findString(""), -1);

    CString decoded("x&amp;y");
    decoded.replaceStringWithCharacter('&', "&amp;");
    EXPECT_STREQ(decoded.getString(), "x&y");
    decoded = "&amp;amp;";
    decoded.replaceStringWithCharacter('&', "&amp;");
    EXPECT_STREQ(decoded.getString(), "&");
    decoded = "a&b&amp;c&amp;";
    decoded.replaceStringWithCharacter('&', "&amp;");
    EXPECT_STREQ(decoded.getString(), "a&b&c&");
    decoded = "aaa";
    decoded.replaceStringWithCharacter('a', "a");
    EXPECT_STREQ(decoded.getString(), "aaa");
    decoded.replaceStringWithCharacter('b', "");
    EXPECT_STREQ(decoded.getString(), "aaa");

    CString escaped("a<b<");
    escaped.replaceCharacterWithString('<', "&lt;");
    EXPECT_STREQ(escaped.getString(), "a&lt;b&lt;");
    escaped.replaceCharacter('&', '#');
    EXPECT_STREQ(escaped.getString(), "a#lt;b#lt;");
}

TEST(CString, AssignmentAndComparison)
{
    CString a("same"), b("same"), c("other");
    EXPECT_TRUE(a == b);
    EXPECT_TRUE(a != c);
    EXPECT_TRUE(a == "same");
    EXPECT_TRUE(a != "Same");
    a = a;
    EXPECT_STREQ(a.getString(), "same");
    a = c;
    EXPECT_STREQ(a.getString(), "other");
    a += "!";
    a += CString("?");
    a.appendCharacter('.');
    EXPECT_STREQ(a.getString(), "other!?.");

    const auto pascal = CString("abc").getPascalString();
    const unsigned char *bytes = pascal->getPascalString();
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(bytes), 5), std::string("\3abc\0", 5));
}
