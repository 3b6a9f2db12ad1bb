#include "framework/host/CFileInformation.hpp"
#include "framework/host/FileFunctions.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Corvane::Host;
using Corvane::Basics::TObjectDeleter;
using Corvane::Basics::TPointerCollection;

namespace
{
FindData findData(const char *name, mode_t mode, std::uint64_t size = 0)
{
    FindData data;
    data.fileName = name;
    data.mode = mode;
    data.size = size;
    data.lastWriteTime = (1177671909ULL + 11644473600ULL) * 10000000ULL;
    return data;
}
} // namespace

TEST(CFileInformation, TakesKindSizeAndNamesFromTheListing)
{
    const CFileInformation unknown;
    EXPECT_EQ(unknown.getEntryType(), CFileInformation::ENTRY_NOT_KNOWN);
    EXPECT_STREQ(unknown.getFileName().getString(), " ");
    EXPECT_STREQ(unknown.getFullPath().getString(), " ");
    EXPECT_EQ(unknown.getSize(), 0.0);

    EXPECT_EQ(CFileInformation(findData("a", S_IFREG | 0444)).getEntryType(), CFileInformation::ENTRY_FILE);
    EXPECT_EQ(CFileInformation(findData("a", S_IFDIR | 0755)).getEntryType(), CFileInformation::ENTRY_FOLDER);
    EXPECT_EQ(CFileInformation(findData("a", S_IFIFO | 0644)).getEntryType(), CFileInformation::ENTRY_SYSTEM_FILE);
    EXPECT_EQ(CFileInformation(findData("a", S_IFLNK | 0777)).getEntryType(), CFileInformation::ENTRY_SYSTEM_FILE);

    // Five gigabytes: more than the low 32 bits of the size can tell.
    CFileInformation big(findData("big.bin", S_IFREG | 0644, 5368709120ULL));
    EXPECT_EQ(big.getSize(), 5368709120.0);
    EXPECT_STREQ(big.getFileName().getString(), "big.bin");
    EXPECT_STREQ(big.getShortName().getString(), "");
    EXPECT_EQ(big.getLastWriteTime().getAsFileTime(), findData("", 0).lastWriteTime);

    big.setFolder("/data");
    EXPECT_STREQ(big.getFolder().getString(), "/data");
    EXPECT_STREQ(big.getFullPath().getString(), "/data/big.bin");
    big.setFolder("/data/");
    EXPECT_STREQ(big.getFullPath().getString(), "/data/big.bin");

    CFileInformation copy(big);
    EXPECT_STREQ(copy.getFullPath().getString(), "/data/big.bin");
    copy = unknown;
    EXPECT_STREQ(copy.getFullPath().getString(), " ");
}

TEST(CFileInformation, SortsFoldersFirstThenByPathAndEmptySlotsLast)
{
    TObjectDeleter<CFileInformation> deleter;
    TPointerCollection<CFileInformation> list(&deleter);
    const char *names[] = {"b.txt", "z", "a.txt", "B", "m"};
    const mode_t modes[] = {S_IFREG, S_IFDIR, S_IFREG, S_IFREG, S_IFDIR};
    for (int index = 0; index < 5; index++)
    {
        auto *entry = new CFileInformation(findData(names[index], modes[index]));
        entry->setFolder("/f/");
        list.addElement(entry);
    }
    sortFileList(list); // the 27 empty slots of the array are sorted too
    const char *expected[] = {"/f/m", "/f/z", "/f/B", "/f/a.txt", "/f/b.txt"};
    for (int index = 0; index < 5; index++)
        EXPECT_STREQ(list.getElementAtIndex(index)->getFullPath().getString(), expected[index]);
    EXPECT_EQ(list.getElementAtIndex(5), nullptr);
}
