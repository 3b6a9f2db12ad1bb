#include "framework/gui/graphics/CPNGImage.hpp"
#include "framework/gui/windows/CWindowIcon.hpp"
#include "tests/support/LiveCounts.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using Corvane::GUI::Windows::CWindowIcon;
using Corvane::Testing::TemporaryFolder;
namespace fs = std::filesystem;

namespace
{
const std::string ICON = CORVANE_ICON_FIXTURE;

/** The size of the icon's picture as "WxH", or "none". */
std::string iconSize(const CWindowIcon &icon)
{
    if (icon.getIcon() == nullptr)
        return "none";
    const auto &size = icon.getIcon()->getImageSize();
    return std::to_string(size.getWidth()) + "x" + std::to_string(size.getHeight());
}
} // namespace

TEST(CWindowIcon, FindsTheProgramFilesPNG)
{
    TemporaryFolder folder;
    fs::create_directory(folder.file("Resources"));
    fs::copy_file(ICON, folder.file("Resources/Orvo.png"));
    const Corvane::Testing::LiveCounts before;
    {
        CWindowIcon icon;
        // The program file itself need not be there: its icon ships beside it.
        EXPECT_TRUE(icon.loadIconFromFile(folder.file("Orvo.exe").c_str(), 0));
        EXPECT_EQ(iconSize(icon), "4x4");
        EXPECT_EQ(icon.getIcon()->getFilename(), folder.file("Resources/Orvo.png").c_str());

        fs::copy_file(ICON, folder.file("Orvo.png"));
        EXPECT_TRUE(icon.loadIconFromFile(folder.file("Orvo.exe").c_str(), 0));
        EXPECT_EQ(icon.getIcon()->getFilename(), folder.file("Orvo.png").c_str());
        EXPECT_TRUE(icon.loadIconFromFile(folder.file("Orvo").c_str(), 0));
        EXPECT_TRUE(icon.loadIconFromFile(ICON.c_str(), 0));

        EXPECT_FALSE(icon.loadIconFromFile(folder.file("Orvo.exe").c_str(), 1));
        EXPECT_EQ(icon.getIcon(), nullptr);
        EXPECT_FALSE(icon.loadIconFromFile(folder.file("Other.exe").c_str(), 0));
        folder.write("Broken.png", "not a picture");
        EXPECT_FALSE(icon.loadIconFromFile(folder.file("Broken.exe").c_str(), 0));
    }
    EXPECT_EQ(Corvane::Testing::LiveCounts().differencesFrom(before), "");
}

TEST(CWindowIcon, SharedAndReplacedIconsAreReleasedOnce)
{
    const Corvane::Testing::LiveCounts before;
    {
        CWindowIcon first;
        ASSERT_TRUE(first.loadIconFromFile(ICON.c_str(), 0));
        CWindowIcon second;
        second.copyFrom(first);
        EXPECT_EQ(second.getIcon(), first.getIcon());
        first.setIcon(nullptr); // the shared picture lives on in the second icon
        EXPECT_EQ(iconSize(second), "4x4");
        second.copyFrom(second);
        EXPECT_EQ(iconSize(second), "4x4");
        second.setIcon(nullptr);

        // An icon made elsewhere is taken over: the holder releases it.
        CWindowIcon held(new Corvane::GUI::Graphics::CPNGImage(ICON.c_str()));
        EXPECT_EQ(held.getIcon()->getReferenceCount(), 1);
    }
    EXPECT_EQ(Corvane::Testing::LiveCounts().differencesFrom(before), "");
}

TEST(CWindowIcon, ProgramIconShipsBesideTheExecutable)
{
    const fs::path program = fs::read_symlink("/proc/self/exe");
    fs::path iconFile = program;
    iconFile.replace_extension(".png");
    fs::remove(iconFile);
    EXPECT_EQ(iconSize(CWindowIcon(101)), "none");

    fs::copy_file(ICON, iconFile);
    CWindowIcon icon(101);
    fs::remove(iconFile);
    EXPECT_EQ(iconSize(icon), "4x4");
    EXPECT_EQ(icon.getIcon()->getFilename(), iconFile.c_str());
}
