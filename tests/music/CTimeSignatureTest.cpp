#include "framework/music/CTimeSignature.hpp"

#include "framework/basics/CException.hpp"
#include "tests/support/LiveCounts.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using Corvane::Exceptions::CException;
using Corvane::Music::CTimeSignature;
using Corvane::Testing::LiveCounts;

TEST(CTimeSignature, RatioIsTheWholeQuotient)
{
    EXPECT_EQ(CTimeSignature(4, 4).getRatio(), 1.0);
    EXPECT_EQ(CTimeSignature(7, 4).getRatio(), 1.0);
    EXPECT_EQ(CTimeSignature(3, 4).getRatio(), 0.0);
    EXPECT_EQ(CTimeSignature(6, 8).getRatio(), 0.0);
    EXPECT_EQ(CTimeSignature(-7, 2).getRatio(), -3.0);
    EXPECT_EQ(CTimeSignature(std::numeric_limits<std::int32_t>::min(), -1).getRatio(), 2147483648.0);
    EXPECT_THROW(CTimeSignature(4, 0).getRatio(), CException);
}

TEST(CTimeSignature, CopiesAndCountsItsInstances)
{
    const LiveCounts before;
    {
        CTimeSignature signature(3, 4);
        signature.setNumerator(6);
        signature.setDenominator(8);
        CTimeSignature copy(signature);
        EXPECT_EQ(copy.getNumerator(), 6);
        EXPECT_EQ(copy.getDenominator(), 8);
        copy.setTimeSignature(5, 4);
        signature = copy;
        EXPECT_EQ(signature.getNumerator(), 5);
        EXPECT_EQ(signature.getDenominator(), 4);
        EXPECT_EQ(LiveCounts().differencesFrom(before), "CCountedObject +2, CTimeSignature +2");
        EXPECT_STREQ(signature.getClass().getClassName(), "CTimeSignature");
        EXPECT_STREQ(signature.getClass().getParentName(), "CCountedObject");
    }
    EXPECT_EQ(LiveCounts().differencesFrom(before), "");
}
