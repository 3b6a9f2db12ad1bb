#include "framework/host/ProcessorFeatures.hpp"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace Corvane::Host
{
namespace
{
ProcessorFeatures &detectedFeatures()
{
    static ProcessorFeatures features;
    return features;
}

bool isBitSet(std::uint32_t value, int bit)
{
    return (value >> bit & 1U) != 0;
}
} // namespace

ProcessorFeatures ProcessorFeatures::fromIdentification(std::uint32_t ecx, std::uint32_t edx)
{
    ProcessorFeatures features;
    features.hasMMX = isBitSet(edx, 23);
    features.hasSSE = isBitSet(edx, 25);
    features.hasSSE2 = isBitSet(edx, 26);
    features.hasHyperThreading = isBitSet(edx, 28);
    features.hasSSE3 = (ecx & 0x10000001U) != 0;
    return features;
}

void detectProcessorFeatures()
{
#if defined(__x86_64__) || defined(__i386__)
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) != 0)
        detectedFeatures() = ProcessorFeatures::fromIdentification(ecx, edx);
#endif
}

const ProcessorFeatures &getProcessorFeatures()
{
    return detectedFeatures();
}
} // namespace Corvane::Host
