#include "framework/basics/MemoryPages.hpp"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace Corvane::Basics
{
namespace
{
constexpr std::size_t HUGE_PAGE_BYTES = std::size_t(2) << 20;

std::size_t roundUp(std::size_t bytes, std::size_t unit)
{
    return (bytes + unit - 1) / unit * unit;
}
} // namespace

bool prefaultPages(void *start, std::size_t bytes)
{
#ifdef MADV_POPULATE_WRITE
    if (start == nullptr || bytes == 0)
        return false;
    const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto first = reinterpret_cast<std::uintptr_t>(start) & ~(pageSize - 1);
    const auto end = reinterpret_cast<std::uintptr_t>(start) + bytes;
    return ::madvise(reinterpret_cast<void *>(first), end - first, MADV_POPULATE_WRITE) == 0;
#else
    (void)start;
    (void)bytes;
    return false;
#endif
}

void *allocateLargeBlock(std::size_t bytes)
{
    if (bytes == 0 || bytes > SIZE_MAX - 2 * HUGE_PAGE_BYTES)
        return nullptr;
    const std::size_t blockBytes = roundUp(bytes, HUGE_PAGE_BYTES);
    // A huge page must start on a huge page boundary: map one more and trim both ends to it.
    const std::size_t mappedBytes = blockBytes + HUGE_PAGE_BYTES;
    void *mapped = ::mmap(nullptr, mappedBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = roundUp(start, HUGE_PAGE_BYTES);
    if (aligned > start)
        ::munmap(mapped, aligned - start);
    if (const std::size_t tail = start + mappedBytes - (aligned + blockBytes))
        ::munmap(reinterpret_cast<void *>(aligned + blockBytes), tail);
    void *block = reinterpret_cast<void *>(aligned);
#ifdef MADV_HUGEPAGE
    ::madvise(block, blockBytes, MADV_HUGEPAGE); // a plain mapping where the system says no
#endif
    prefaultPages(block, blockBytes);
    return block;
}

void releaseLargeBlock(void *block, std::size_t bytes)
{
    if (block != nullptr)
        ::munmap(block, roundUp(bytes, HUGE_PAGE_BYTES));
}
} // namespace Corvane::Basics
