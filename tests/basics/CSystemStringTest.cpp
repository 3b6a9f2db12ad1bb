#include "framework/basics/CSystemString.hpp"

#include <gtest/gtest.h>

using Corvane::Basics::CString;
using Corvane::Basics::CSystemString;

TEST(CSystemString, TakesAPathApart)
{
    const CSystemString path("/dir/file.png");
    EXPECT_STREQ(path.getFileName().getString(), "file.png");
    EXPECT_STREQ(path.getFolder().getString(), "/dir/");
    EXPECT_STREQ(path.getFileExtension().getString(), ".png");
    EXPECT_STREQ(path.getDrive(true).getString(), "/");
    EXPECT_STREQ(path.getDrive(false).getString(), "/");
    EXPECT_TRUE(path.hasFileExtension());
    EXPECT_FALSE(path.isFolderPath());
    EXPECT_TRUE(path.endsWith(".png"));
    EXPECT_TRUE(path.endsWith(""));
    EXPECT_FALSE(path.endsWith("jpg"));
    EXPECT_FALSE(CSystemString("/a").endsWith("jpg"));

    EXPECT_EQ(path.getNumberOfPathComponents(), 2);
    EXPECT_STREQ(path.getPathComponent(0)->getString(), "dir/");
    EXPECT_STREQ(path.getPathComponent(1)->getString(), "file.png");
    EXPECT_EQ(path.getPathComponent(2), nullptr);
    EXPECT_STREQ(path.getLastPathComponent().getString(), "file.png");
    EXPECT_STREQ(CSystemString("//").getLastPathComponent().getString(), " ");

    EXPECT_STREQ(CSystemString("/dir/sub").getFolder().getString(), "/dir/sub");
    EXPECT_STREQ(CSystemString("file.png").getFolder().getString(), "");
    EXPECT_STREQ(CSystemString("file.png").getFileName().getString(), "");
    EXPECT_STREQ(CSystemString(".hidden").getFileExtension().getString(), ".hidden");
    EXPECT_FALSE(CSystemString(".hidden").hasFileExtension());
}

TEST(CSystemString, BuildsPaths)
{
    CSystemString path("/dir");
    path += "x.png";
    EXPECT_STREQ(path.getString(), "/dir/x.png");
    CSystemString folder("/dir/");
    folder.appendPath(CString("x.png"));
    EXPECT_STREQ(folder.getString(), "/dir/x.png");

    // Through the base class too, the path operator adds the separator.
    CString &asText = path;
    asText += "more";
    EXPECT_STREQ(path.getString(), "/dir/x.png/more");

    CSystemString file("a.txt");
    file.appendFileExtension("png", true);
    EXPECT_STREQ(file.getString(), "a.png");
    file.appendFileExtension("png", false);
    EXPECT_STREQ(file.getString(), "a.png.png");
    EXPECT_EQ(file.removeFileExtension(), 5);
    EXPECT_STREQ(file.getString(), "a.png");
    CSystemString bare("name");
    EXPECT_EQ(bare.removeFileExtension(), -1);
    bare.appendFileExtension(CString("tga"), true);
    EXPECT_STREQ(bare.getString(), "name.tga");

    CSystemString windows("C:\\dir\\file.png");
    windows.convertSlashes();
    EXPECT_STREQ(windows.getString(), "C:/dir/file.png");
}

TEST(CSystemString, RemovesPieces)
{
    CSystemString path("/dir/sub/file.png");
    path.removeFileName();
    EXPECT_STREQ(path.getString(), "/dir/sub/");
    path = "/dir/sub/file.png";
    path.removeLastPathComponent();
    EXPECT_STREQ(path.getString(), "/dir/sub");
    path.removeLastPathComponent();
    EXPECT_STREQ(path.getString(), "/dir");
    path.removeLastPathComponent();
    EXPECT_STREQ(path.getString(), "/dir");
    path = "dir/sub/file";
    path.removeFirstPathComponent();
    EXPECT_STREQ(path.getString(), "sub/file");
    CSystemString noSeparator("file");
    noSeparator.removeFileName();
    noSeparator.removeFirstPathComponent();
    EXPECT_STREQ(noSeparator.getString(), "file");
}
