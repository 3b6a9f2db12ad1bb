#include "app/calculations/CNumberText.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using Corvane::Orvo::CNumberText;

namespace
{
std::string printed(const char *format, double value)
{
    char text[400];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
} // namespace

TEST(CNumberText, WritesWhatPrintfWritesInTheCLocale)
{
    // Ties and near-ties of the second decimal, signs, and the extremes of a double.
    for (double value : {0.0, 0.005, 0.125, 0.375, 1.005, 2.675, 999.999, -0.005, -0.01, 428.5714285714286, 1e-320,
                         123456789.125, -1.7976931348623157e308, 1.7976931348623157e308})
        EXPECT_EQ(CNumberText(value).getString(), printed("%0.02f", value)) << value;
    EXPECT_STREQ(CNumberText(2147483647L).getString(), "2147483647");
    EXPECT_STREQ(CNumberText(-4L).getString(), "-4");
}

TEST(CNumberText, ValuesThatRoundToZeroHaveNoSign)
{
    for (double value : {-0.0, -0.004, -0.0049999, -1e-320})
        EXPECT_STREQ(CNumberText(value).getString(), "0.00") << value;
    EXPECT_STREQ(CNumberText(-0.0051).getString(), "-0.01");
    EXPECT_STREQ(CNumberText(-100.0).getString(), "-100.00");
}
