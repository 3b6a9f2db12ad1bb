#include "framework/basics/CBool.hpp"
#include "framework/basics/CException.hpp"
#include "framework/basics/CHtmlString.hpp"
#include "framework/basics/CLong.hpp"
#include "framework/basics/CPascalString.hpp"
#include "framework/basics/CStringTokeniser.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

using namespace Corvane::Basics;

namespace
{
std::vector<std::string> allTokens(CStringTokeniser &tokeniser)
{
    std::vector<std::string> tokens;
    CString token;
    while (tokeniser.getNextToken(token))
        tokens.push_back(token.getString());
    return tokens;
}

std::string describe(const ICountedObject &object)
{
    char text[64];
    object.getObjectDescription(text, sizeof text);
    return text;
}
} // namespace

TEST(CStringTokeniser, CountsRunsAndHandsOutPieces)
{
    CStringTokeniser commas("a,b,c", ',');
    EXPECT_EQ(commas.countTokens(), 3);
    EXPECT_EQ(allTokens(commas), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(commas.hasMoreTokens());
    EXPECT_EQ(commas.getNextToken(), nullptr);

    CStringTokeniser path("/dir/file.png", '/');
    EXPECT_EQ(path.countTokens(), 2);
    EXPECT_EQ(allTokens(path), (std::vector<std::string>{"", "dir"}));

    CStringTokeniser empties("a,,b", ',');
    EXPECT_EQ(empties.countTokens(), 2);
    EXPECT_EQ(allTokens(empties), (std::vector<std::string>{"a", ""}));

    CStringTokeniser underscore("_a,b", ',');
    EXPECT_EQ(underscore.countTokens(), 2);

    CStringTokeniser uncounted("x,y");
    EXPECT_FALSE(uncounted.hasMoreTokens());
    EXPECT_EQ(uncounted.countTokens(), 2);
    EXPECT_EQ(allTokens(uncounted), (std::vector<std::string>{"x", "y"}));
    uncounted.setString("p;q;r");
    uncounted.setDelimiter(';');
    EXPECT_FALSE(uncounted.hasMoreTokens());
    EXPECT_EQ(uncounted.countTokens(), 3);
    EXPECT_EQ(allTokens(uncounted).back(), "r");

    const std::string huge(5000, 'z');
    CStringTokeniser cut(huge.c_str(), ',');
    EXPECT_EQ(std::string(cut.getNextToken().get()).size(), 2047u);
}

TEST(CPascalString, KeepsWhatFits)
{
    const std::string text(300, 'p');
    CPascalString longest(text.c_str(), 1024);
    EXPECT_EQ(longest.getPascalString()[0], 255);
    EXPECT_EQ(longest.getPascalString()[256], 0);

    CPascalString small("abcdef", 5);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(small.getPascalString()), 5), std::string("\3abc\0", 5));

    EXPECT_EQ(CPascalString("abc", 0).getPascalString(), nullptr);
    EXPECT_EQ(CPascalString("abc", -8).getPascalString(), nullptr);
    EXPECT_EQ(CPascalString(nullptr, 4).getPascalString()[0], 0);
}

TEST(CBoolAndCLong, ValuesAndTexts)
{
    CBool truth(true);
    EXPECT_EQ(describe(truth), "True");
    EXPECT_STREQ(truth.getAsString().getString(), "True");
    truth = false;
    EXPECT_TRUE(truth == false);
    EXPECT_TRUE(truth != CBool(true));
    CString text("x");
    truth.writeTo(text);
    EXPECT_STREQ(text.getString(), "False");

    CLong ten(10);
    ten /= 0;
    EXPECT_TRUE(ten.isZero());
    EXPECT_STREQ(CLong(-3).getAsString(3).getString(), "-03");
    EXPECT_STREQ(CLong(7).getAsString(2).getString(), "07");
    EXPECT_EQ(describe(CLong(5)), "05");

    CLong value(6);
    value += 4;
    value -= CLong(2);
    value *= 3;
    value /= 4;
    EXPECT_EQ(value.getValue(), 6);
    EXPECT_TRUE(value == CLong(6));

    CLong wrapping(2147483647);
    wrapping += 1;
    EXPECT_EQ(wrapping.getValue(), -2147483647 - 1);
    wrapping /= -1;
    EXPECT_EQ(wrapping.getValue(), -2147483647 - 1);
    EXPECT_EQ(CLong(1).getAsString(100000).getSize(), 256);
}

TEST(CException, CarriesItsTexts)
{
    try
    {
        throw Corvane::Exceptions::CException("Control is NULL", "CActionEvent::CActionEvent(IControl *control)", false);
    }
    catch (const Corvane::Exceptions::CException &caught)
    {
        EXPECT_STREQ(caught.getErrorReason().getString(), "Control is NULL");
        EXPECT_STREQ(caught.getFunctionName().getString(), "CActionEvent::CActionEvent(IControl *control)");
        EXPECT_TRUE(caught.getFlag());
        EXPECT_STREQ(caught.getClass().getClassName(), "CException");
    }
}

TEST(CHtmlString, OpensAddressesAsOneArgument)
{
    CHtmlString web("http://orvo.example/a b;c");
    EXPECT_TRUE(web.isWebAddress());
    CHtmlString file("/tmp/x");
    file.addAddressPrefix(false);
    EXPECT_TRUE(file.isFileAddress());
    EXPECT_STREQ(file.getString(), "file:///tmp/x");

    // A recording opener shows exactly which single argument the handler received.
    Corvane::Testing::TemporaryFolder folder;
    const std::string record = folder.file("opened.txt");
    const std::string opener = folder.write("opener", "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + record + "'\n");
    chmod(opener.c_str(), 0755);
    CHtmlString::setAddressOpener(opener.c_str());

    auto opened = [&record](CHtmlString address) {
        unlink(record.c_str());
        EXPECT_TRUE(address.openAddress());
        for (int wait = 0; wait < 500 && access(record.c_str(), F_OK) != 0; wait++)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return Corvane::Testing::TemporaryFolder::read(record);
    };
    EXPECT_EQ(opened(web), "1|http://orvo.example/a b;c");
    EXPECT_EQ(opened(CHtmlString("orvo.example")), "1|http://orvo.example");
    EXPECT_EQ(opened(CHtmlString("https://orvo.example")), "1|https://orvo.example");
    EXPECT_EQ(opened(CHtmlString("$(touch x) `y`")), "1|http://$(touch x) `y`");
    CHtmlString::setAddressOpener(nullptr);
}
