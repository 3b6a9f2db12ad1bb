#include "app/calculations/CNumberReading.hpp"

#include <gtest/gtest.h>

#include <cmath>

using Corvane::Orvo::CNumberReading;

namespace
{
void expectDecimal(const char *text, double value, bool isExact)
{
    const CNumberReading reading = CNumberReading::readDecimal(text);
    EXPECT_EQ(reading.getValue(), value) << text;
    EXPECT_EQ(reading.isExact(), isExact) << text;
}

void expectWholeNumber(const char *text, double value, bool isExact)
{
    const CNumberReading reading = CNumberReading::readWholeNumber(text);
    EXPECT_EQ(reading.getValue(), value) << text;
    EXPECT_EQ(reading.isExact(), isExact) << text;
}
} // namespace

TEST(CNumberReading, DecimalsTakeSignDigitsPointFractionAndExponent)
{
    expectDecimal("120", 120, true);
    expectDecimal(" \t+1.5e2 \n", 150, true);
    expectDecimal("-.5", -0.5, true);
    expectDecimal("5.", 5, true);
    expectDecimal("1E-3", 0.001, true);
    expectDecimal("1e-320", 1e-320, true);
    expectDecimal("999.999", 999.999, true);
    // Where the grammar ends, the rest is ignored.
    expectDecimal("0x10", 0, false);
    expectDecimal("0x1p3", 0, false);
    expectDecimal("1,5", 1, false);
    expectDecimal("12abc", 12, false);
    expectDecimal("1e", 1, false);
    expectDecimal("1e+", 1, false);
    expectDecimal("2.5.1", 2.5, false);
    // Text without a number is 0, and says so.
    for (const char *none : {"", "   ", "abc", "inf", "-infinity", "nan", ".", "+", "-e5", ".e1"})
        expectDecimal(none, 0, false);
    expectDecimal(nullptr, 0, false);
    // Values a double cannot hold are not what was typed.
    EXPECT_EQ(CNumberReading::readDecimal("1e999").getValue(), HUGE_VAL);
    EXPECT_FALSE(CNumberReading::readDecimal("1e999").isExact());
    expectDecimal("-1e-999", 0, false);
    expectDecimal("0e-999", 0, true);
    expectDecimal("0.000", 0, true);
}

TEST(CNumberReading, WholeNumbersTakeSignAndDigitsWithinThirtyTwoBits)
{
    expectWholeNumber("4", 4, true);
    expectWholeNumber(" -3 ", -3, true);
    expectWholeNumber("+0007", 7, true);
    expectWholeNumber("4.7", 4, false);
    expectWholeNumber("1e3", 1, false);
    expectWholeNumber("0x10", 0, false);
    expectWholeNumber("", 0, false);
    expectWholeNumber("2147483647", 2147483647, true);
    expectWholeNumber("2147483648", 2147483647, false);
    expectWholeNumber("-2147483648", -2147483648.0, true);
    expectWholeNumber("-99999999999999999999999", -2147483648.0, false);
}
