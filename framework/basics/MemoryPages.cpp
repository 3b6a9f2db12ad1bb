#include "framework/basics/MemoryPages.hpp"

#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace Corvane::Basics
{
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
} // namespace Corvane::Basics
