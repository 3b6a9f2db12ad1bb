#include "app/startup/DataFolder.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using Corvane::Basics::CSystemString;
using Corvane::Orvo::findDataFolder;
using Corvane::Orvo::getInstalledDataFolder;
using Corvane::Testing::TemporaryFolder;

namespace
{
/** Makes @p folder, with Resources/Background.png in it when @p withBackground is set. */
void makeFolder(const std::string &folder, bool withBackground)
{
    std::filesystem::create_directories(folder + "/Resources");
    if (withBackground)
        std::ofstream(folder + "/Resources/Background.png") << "picture";
}

std::string found(const std::string &programFolder)
{
    return findDataFolder(programFolder.c_str()).getString();
}
} // namespace

TEST(findDataFolder, ProgramFolderFirstThenTheInstalledDataFolderElseTheProgramFolder)
{
    EXPECT_STREQ(getInstalledDataFolder(), "../share/orvo");
    TemporaryFolder root;
    const std::string build = root.file("build/app");
    const std::string bin = root.file("prefix/bin");
    const std::string data = root.file("prefix/share/orvo");

    // Nothing anywhere: the program's own folder, where the missing picture is then reported.
    makeFolder(build, false);
    EXPECT_EQ(found(build + "/"), build + "/");

    // A program run where it was built.
    makeFolder(build, true);
    EXPECT_EQ(found(build + "/"), build + "/");
    EXPECT_EQ(found(build), build);

    // An installed program.
    makeFolder(bin, false);
    EXPECT_EQ(found(bin + "/"), bin + "/");
    makeFolder(data, true);
    EXPECT_EQ(found(bin + "/"), bin + "/../share/orvo");
    EXPECT_EQ(found(bin), bin + "/../share/orvo");
    EXPECT_TRUE(std::filesystem::exists(found(bin) + "/Resources/Background.png"));

    // Pictures beside the program win over installed ones.
    makeFolder(bin, true);
    EXPECT_EQ(found(bin + "/"), bin + "/");

    // A folder that only carries the picture's name holds no picture.
    std::filesystem::create_directories(root.file("odd/Resources/Background.png"));
    EXPECT_EQ(found(root.file("odd")), root.file("odd"));
}
