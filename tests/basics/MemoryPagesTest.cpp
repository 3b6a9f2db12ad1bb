#include "framework/basics/MemoryPages.hpp"

#include <gtest/gtest.h>

#include <cstdint>
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

TEST(MemoryPages, ALargeBlockIsZeroWritableOnAHugePageBoundaryAndGoneOnceGivenBack)
{
    using Corvane::Basics::allocateLargeBlock;
    using Corvane::Basics::releaseLargeBlock;
    const std::size_t hugePage = std::size_t(2) << 20, bytes = 3 * hugePage / 2 + 12345;
    auto *block = static_cast<unsigned char *>(allocateLargeBlock(bytes));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % hugePage, 0u);
    const std::size_t pages = 2 * hugePage / ::sysconf(_SC_PAGESIZE);
    EXPECT_EQ(residentPages(block, pages), pages) << "the block comes ready to be written";
    EXPECT_EQ(block[0] | block[bytes / 2] | block[bytes - 1], 0);
    std::memset(block, 0xA5, bytes);
    EXPECT_EQ(block[bytes - 1], 0xA5);

    releaseLargeBlock(block, bytes);
    std::vector<unsigned char> resident(1);
    EXPECT_EQ(::mincore(block, ::sysconf(_SC_PAGESIZE), resident.data()), -1) << "nothing is mapped there any more";
    EXPECT_EQ(allocateLargeBlock(0), nullptr);
    EXPECT_EQ(allocateLargeBlock(SIZE_MAX), nullptr);
    releaseLargeBlock(nullptr, bytes);
}
