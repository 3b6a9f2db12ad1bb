#include "framework/basics/MemoryPages.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

using Corvane::Basics::prefaultPages;

namespace
{
/** How many of the pages from @p start on are in memory. */
std::size_t residentPages(void *start, std::size_t pages)
{
    std::vector<unsigned char> resident(pages);
    EXPECT_EQ(::mincore(start, pages * ::sysconf(_SC_PAGESIZE), resident.data()), 0);
    std::size_t count = 0;
    for (unsigned char page : resident)
        count += page & 1;
    return count;
}
} // namespace

TEST(MemoryPages, AreMadePresentWithoutTheirContentChangingFromAnyStartInsideThem)
{
    const std::size_t pageSize = ::sysconf(_SC_PAGESIZE), pages = 16;
    void *mapped = ::mmap(nullptr, pages * pageSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    auto *bytes = static_cast<unsigned char *>(mapped);
    std::memcpy(bytes + 3 * pageSize - 5, "kept!", 5); // the third page, and only it, is there now
    ASSERT_EQ(residentPages(mapped, pages), 1u);

    // From the middle of the second page to the middle of the tenth: pages 2 to 10 whole.
    if (!prefaultPages(bytes + pageSize + 100, 8 * pageSize))
        GTEST_SKIP() << "this system cannot make pages present in advance";
    EXPECT_EQ(residentPages(mapped, pages), 9u);
    EXPECT_EQ(residentPages(bytes + pageSize, 9), 9u);
    EXPECT_EQ(std::memcmp(bytes + 3 * pageSize - 5, "kept!", 5), 0);
    EXPECT_EQ(bytes[pageSize + 100], 0) << "a fresh page stays zero";
    EXPECT_FALSE(prefaultPages(nullptr, pageSize));
    EXPECT_FALSE(prefaultPages(mapped, 0));
    ::munmap(mapped, pages * pageSize);
}
