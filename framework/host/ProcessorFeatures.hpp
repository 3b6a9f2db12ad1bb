#pragma once

#include <cstdint>

namespace Corvane::Host
{
/** The instruction-set extensions of the processor, as far as the framework asks. */
struct ProcessorFeatures
{
    bool hasMMX = false;
    bool hasSSE = false;
    bool hasSSE2 = false;
    bool hasSSE3 = false;
    bool hasHyperThreading = false;

    /**
     * Reads the features from the registers of the processor identification with function 1:
     * EDX bit 23 MMX, 25 SSE, 26 SSE2, 28 hyper-threading; SSE3 when ECX bit 0 or bit 28 is set
     * (bit 28 announces AVX, which no processor has without SSE3).
     */
    static ProcessorFeatures fromIdentification(std::uint32_t ecx, std::uint32_t edx);
};

/** Asks the processor for its features and keeps them for getProcessorFeatures; none on other than x86. */
void detectProcessorFeatures();

/** The features found by the last detectProcessorFeatures; all false before the first. */
const ProcessorFeatures &getProcessorFeatures();
} // namespace Corvane::Host
