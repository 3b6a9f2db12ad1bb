#include "framework/host/FileFunctions.hpp"

#include "framework/io/Log.hpp"
#include "tests/support/LiveCounts.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace Corvane::Host;
using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;
using Corvane::Basics::TObjectDeleter;
using Corvane::Basics::TPointerCollection;
using Corvane::Testing::TemporaryFolder;

namespace
{
CSystemString path(const std::string &text)
{
    return CSystemString(text.c_str());
}

/** The full paths of a folder's listing, sorted. */
std::string sortedListing(const std::string &folder)
{
    TObjectDeleter<CFileInformation> deleter;
    TPointerCollection<CFileInformation> list(&deleter);
    listFolder(list, path(folder));
    sortFileList(list);
    std::string paths;
    for (long index = 0; index < list.getNumberOfElements(); index++)
        paths += std::string(list.getElementAtIndex(index)->getFullPath().getString()) + ";";
    return paths;
}

/** A tree with a file, an empty folder and a folder holding a file. */
void makeTree(const TemporaryFolder &folder)
{
    mkdir(folder.file("from").c_str(), 0755);
    mkdir(folder.file("from/empty").c_str(), 0755);
    mkdir(folder.file("from/sub").c_str(), 0755);
    folder.write("from/top.txt", "top");
    folder.write("from/sub/deep.txt", "deep");
}
} // namespace

TEST(FileFunctions, TellFilesAndFoldersApartAndCreateFolders)
{
    TemporaryFolder folder;
    const std::string file = folder.write("file.txt", "x");
    EXPECT_TRUE(fileExists(path(file)));
    EXPECT_FALSE(fileExists(path(folder.path())));
    EXPECT_FALSE(fileExists(path(folder.file("missing"))));
    EXPECT_TRUE(fileExistsInFolder(path(folder.path()), "file.txt"));
    EXPECT_TRUE(isFolder(path(folder.path())));
    EXPECT_FALSE(isFolder(path(file)));

    EXPECT_FALSE(createFolder(path(folder.file("named.txt"))));
    EXPECT_FALSE(std::filesystem::exists(folder.file("named.txt")));
    EXPECT_TRUE(createFolder(path(folder.file(".hidden"))));
    EXPECT_TRUE(createFolder(path(folder.file(".hidden/new"))));
    EXPECT_TRUE(isFolder(path(folder.file(".hidden/new"))));
    EXPECT_FALSE(createFolder(path(folder.file(".hidden/new"))));
    EXPECT_FALSE(createFolder(path(folder.file("a/b"))));

    CString application("unchanged");
    ASSERT_TRUE(getApplicationPath(application, false));
    const std::string executableFolder = std::filesystem::canonical("/proc/self/exe").parent_path().string();
    EXPECT_EQ(application.getString(), executableFolder);
    ASSERT_TRUE(getApplicationPath(application, true));
    EXPECT_EQ(application.getString(), executableFolder + "/");
    ASSERT_TRUE(getApplicationFile(application));
    EXPECT_EQ(application.getString(), std::filesystem::canonical("/proc/self/exe").string());
    CString root;
    ASSERT_TRUE(getFolderOfFile("/init", root, false));
    EXPECT_STREQ(root.getString(), "/");
    EXPECT_FALSE(getFolderOfFile("plain", root, true));
}

TEST(FileFunctions, CopyFileKeepsEveryByteAndRefusesWhatWouldLoseData)
{
    TemporaryFolder folder;
    std::string content;
    for (int index = 0; index < 200000; index++)
        content += static_cast<char>(index * 7 % 251);
    const std::string from = folder.write("from.bin", content);
    const std::string to = folder.file("to.bin");

    EXPECT_TRUE(copyFile(path(from), path(to), false));
    EXPECT_EQ(TemporaryFolder::read(to), content);
    folder.write("to.bin", "kept");
    EXPECT_FALSE(copyFile(path(from), path(to), false));
    EXPECT_EQ(TemporaryFolder::read(to), "kept");
    EXPECT_TRUE(copyFile(path(from), path(to), true));
    EXPECT_EQ(TemporaryFolder::read(to), content);

    // The same file under two names: opening the target would empty the source.
    symlink(from.c_str(), folder.file("link.bin").c_str());
    EXPECT_FALSE(copyFile(path(from), path(folder.file("link.bin")), true));
    EXPECT_EQ(TemporaryFolder::read(from), content);

    EXPECT_FALSE(copyFile(path(folder.file("missing")), path(to), true));
    EXPECT_FALSE(copyFile(path(from), path(folder.path()), true));
    // A pipe has no end to read to: refused at once instead of waiting for a writer.
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0644), 0);
    EXPECT_FALSE(copyFile(path(folder.file("pipe")), path(to), true));
}

TEST(FileFunctions, ListFoldersAndFiles)
{
    TemporaryFolder folder;
    makeTree(folder);
    folder.write("from/b.txt", "b");
    mkdir(folder.file("from/folder.txt").c_str(), 0755);
    const std::string base = folder.file("from/");
    EXPECT_EQ(sortedListing(folder.file("from")), base + "empty;" + base + "folder.txt;" + base + "sub;" + base +
                                                       "b.txt;" + base + "top.txt;");

    TObjectDeleter<CString> deleter;
    TPointerCollection<CString> names(&deleter);
    listFiles(path(folder.file("from/*.txt")), names);
    ASSERT_EQ(names.getNumberOfElements(), 2);
    const std::string found =
        std::string(names.getElementAtIndex(0)->getString()) + names.getElementAtIndex(1)->getString();
    EXPECT_TRUE(found == "b.txttop.txt" || found == "top.txtb.txt") << found;
    listFiles(path(folder.file("missing/*")), names);
    EXPECT_EQ(names.getNumberOfElements(), 2);

    const std::string log = folder.file("log.txt");
    ASSERT_TRUE(Corvane::IO::openLog(path(log)));
    TObjectDeleter<CFileInformation> entryDeleter;
    TPointerCollection<CFileInformation> list(&entryDeleter);
    listFolder(list, path(folder.file("missing")));
    Corvane::IO::closeLog();
    EXPECT_EQ(list.getNumberOfElements(), 0);
    EXPECT_EQ(TemporaryFolder::read(log),
              "Failed to find file in directory " + folder.file("missing") + "\nNo such file or directory\n");
}

TEST(FileFunctions, CopyFolderCopiesTheTreeOnce)
{
    TemporaryFolder folder;
    makeTree(folder);
    const Corvane::Testing::LiveCounts before;

    EXPECT_TRUE(copyFolder(path(folder.file("from")), path(folder.file("flat")), false, false));
    EXPECT_EQ(sortedListing(folder.file("flat")), folder.file("flat/top.txt;"));

    EXPECT_TRUE(copyFolder(path(folder.file("from")), path(folder.file("to")), false, true));
    EXPECT_EQ(TemporaryFolder::read(folder.file("to/sub/deep.txt")), "deep");
    EXPECT_TRUE(isFolder(path(folder.file("to/empty"))));

    // An existing target without overwrite is left alone.
    folder.write("from/top.txt", "changed");
    folder.write("from/new.txt", "new");
    EXPECT_TRUE(copyFolder(path(folder.file("from")), path(folder.file("to")), false, true));
    EXPECT_EQ(TemporaryFolder::read(folder.file("to/top.txt")), "top");
    EXPECT_FALSE(fileExists(path(folder.file("to/new.txt"))));
    EXPECT_TRUE(copyFolder(path(folder.file("from")), path(folder.file("to")), true, true));
    EXPECT_EQ(TemporaryFolder::read(folder.file("to/top.txt")), "changed");
    EXPECT_EQ(TemporaryFolder::read(folder.file("to/new.txt")), "new");

    // Into itself, and through a link back to itself: each folder is copied once.
    symlink(folder.file("from").c_str(), folder.file("from/sub/loop").c_str());
    EXPECT_TRUE(copyFolder(path(folder.file("from")), path(folder.file("from/copy")), false, true));
    EXPECT_EQ(TemporaryFolder::read(folder.file("from/copy/sub/deep.txt")), "deep");
    EXPECT_FALSE(std::filesystem::exists(folder.file("from/copy/copy")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("from/copy/sub/loop")));

    EXPECT_FALSE(copyFolder(path(folder.file("from/top.txt")), path(folder.file("x")), true, true));
    EXPECT_FALSE(copyFolder(path(folder.file("from")), path(folder.file("from")), true, true));
    EXPECT_EQ(Corvane::Testing::LiveCounts().differencesFrom(before), "");
}
