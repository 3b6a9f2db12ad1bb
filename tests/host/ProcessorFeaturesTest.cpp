#include "framework/host/ProcessorFeatures.hpp"

#include <gtest/gtest.h>

using Corvane::Host::ProcessorFeatures;

TEST(ProcessorFeatures, ReadsTheIdentificationRegisters)
{
    const std::uint32_t allButFeatures = ~(1U << 23 | 1U << 25 | 1U << 26 | 1U << 28);
    const ProcessorFeatures none = ProcessorFeatures::fromIdentification(0, allButFeatures);
    EXPECT_FALSE(none.hasMMX || none.hasSSE || none.hasSSE2 || none.hasSSE3 || none.hasHyperThreading);

    const ProcessorFeatures mmx = ProcessorFeatures::fromIdentification(0, 1U << 23);
    EXPECT_TRUE(mmx.hasMMX);
    EXPECT_FALSE(mmx.hasSSE || mmx.hasSSE2 || mmx.hasSSE3 || mmx.hasHyperThreading);
    EXPECT_TRUE(ProcessorFeatures::fromIdentification(0, 1U << 25).hasSSE);
    EXPECT_TRUE(ProcessorFeatures::fromIdentification(0, 1U << 26).hasSSE2);
    EXPECT_TRUE(ProcessorFeatures::fromIdentification(0, 1U << 28).hasHyperThreading);
    EXPECT_TRUE(ProcessorFeatures::fromIdentification(1U, 0).hasSSE3);
    EXPECT_TRUE(ProcessorFeatures::fromIdentification(1U << 28, 0).hasSSE3);
    EXPECT_FALSE(ProcessorFeatures::fromIdentification(~(1U | 1U << 28), 0).hasSSE3);
}

#if defined(__x86_64__)
TEST(ProcessorFeatures, FindsWhatEvery64BitX86ProcessorHas)
{
    Corvane::Host::detectProcessorFeatures();
    const ProcessorFeatures &features = Corvane::Host::getProcessorFeatures();
    EXPECT_TRUE(features.hasMMX);
    EXPECT_TRUE(features.hasSSE);
    EXPECT_TRUE(features.hasSSE2);
}
#endif
