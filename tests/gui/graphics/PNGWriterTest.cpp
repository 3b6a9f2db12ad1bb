#include "framework/gui/graphics/CGraphics.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"
#include "framework/gui/graphics/PNGWriter.hpp"
#include "tests/gui/graphics/ImageTestSupport.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Corvane::GUI::Graphics;
using Corvane::MathTools::CAlphaColour;
using Corvane::MathTools::CColour;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using Corvane::Testing::pixelAt;
using Corvane::Testing::TemporaryFolder;

namespace
{
constexpr int PNG_RGB = 2;
constexpr int PNG_RGBA = 6;

/** The colour type in the header of the PNG file at @p path. */
int colourType(const std::string &path)
{
    const std::string file = TemporaryFolder::read(path);
    return file.size() > 25 ? static_cast<unsigned char>(file[25]) : -1;
}

void expectSameWords(const CNativeImage &saved, const CBaseImage &loaded)
{
    ASSERT_EQ(loaded.getImageSize(), saved.getSize());
    for (long y = 0; y < saved.getSize().getHeight(); y++)
        for (long x = 0; x < saved.getSize().getWidth(); x++)
            ASSERT_EQ(pixelAt(loaded, x, y), saved.getPixel(x, y)) << std::hex << " at " << x << ", " << y;
}

bool exists(const std::string &path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}
} // namespace

TEST(savePNGFile, OpaquePictureComesBackWordForWordAsRGB)
{
    CGraphics graphics;
    graphics.initialiseBuffered(CDimension(7, 5), CColour(10, 20, 30));
    graphics.getBrush().setColour(CAlphaColour(250, 128, 3, 255));
    graphics.fillRectangle(CRect(1, 1, 3, 2));
    // Blended over an opaque picture, a see-through colour leaves it opaque.
    graphics.getBrush().setColour(CAlphaColour(0, 255, 77, 100));
    graphics.fillEllipse(CRect(2, 1, 5, 4));
    TemporaryFolder folder;
    const std::string path = folder.file("opaque.png");

    ASSERT_TRUE(savePNGFile(graphics.getNativeImage(), path.c_str()));
    EXPECT_EQ(colourType(path), PNG_RGB);
    CPNGImage loaded(path.c_str());
    expectSameWords(graphics.getNativeImage(), loaded);
}

TEST(savePNGFile, UnfilteredRowsComeBackWordForWordFromAnotherFile)
{
    CGraphics graphics;
    graphics.initialiseBuffered(CDimension(40, 30), CColour(10, 20, 30));
    for (long x = 0; x < 40; x++)
    {
        graphics.getPen().setColour(CAlphaColour(6 * x, 255 - 6 * x, 100, 255));
        graphics.drawLine(CPoint(x, 0), CPoint(x, 29));
    }
    TemporaryFolder folder;
    const std::string filtered = folder.file("filtered.png");
    const std::string unfiltered = folder.file("unfiltered.png");

    ASSERT_TRUE(savePNGFile(graphics.getNativeImage(), filtered.c_str()));
    ASSERT_TRUE(savePNGFile(graphics.getNativeImage(), unfiltered.c_str(), EPNGRows::UNFILTERED));
    EXPECT_NE(TemporaryFolder::read(filtered), TemporaryFolder::read(unfiltered)) << "the rows are stored otherwise";
    EXPECT_EQ(colourType(unfiltered), PNG_RGB);
    CPNGImage loaded(unfiltered.c_str());
    expectSameWords(graphics.getNativeImage(), loaded);
}

TEST(savePNGFile, EveryAlphaComesBackWordForWord)
{
    CGraphics graphics;
    graphics.initialiseBuffered(CDimension(16, 16), CColour(255, 255, 255));
    graphics.getNativeImage().clear();
    for (long alpha = 0; alpha < 256; alpha++)
    {
        graphics.getBrush().setColour(CAlphaColour(alpha * 37 % 256, 255 - alpha, alpha * 101 % 256, alpha));
        graphics.fillRectangle(CRect(alpha % 16, alpha / 16, 1, 1));
    }
    EXPECT_EQ(graphics.getNativeImage().getPixel(0, 0), 0u);
    EXPECT_EQ(graphics.getNativeImage().getPixel(15, 15) >> 24, 255u);
    TemporaryFolder folder;
    const std::string path = folder.file("alpha.png");

    ASSERT_TRUE(savePNGFile(graphics.getNativeImage(), path.c_str()));
    EXPECT_EQ(colourType(path), PNG_RGBA);
    CPNGImage loaded(path.c_str());
    expectSameWords(graphics.getNativeImage(), loaded);
}

TEST(savePNGFile, FailureLeavesNoFileBehind)
{
    TemporaryFolder folder;
    CNativeImage unmade;
    EXPECT_FALSE(savePNGFile(unmade, folder.file("unmade.png").c_str()));
    EXPECT_FALSE(exists(folder.file("unmade.png")));

    CNativeImage picture;
    picture.initialise(CDimension(2, 2));
    EXPECT_FALSE(savePNGFile(picture, folder.file("missing/picture.png").c_str()));

    // The file is written, but cannot take the place of a folder of the same name.
    ASSERT_EQ(mkdir(folder.file("taken.png").c_str(), 0700), 0);
    EXPECT_FALSE(savePNGFile(picture, folder.file("taken.png").c_str()));
    EXPECT_FALSE(exists(folder.file("taken.png.part")));

    // A save over an older file replaces it.
    const std::string path = folder.write("older.png", "not a picture");
    ASSERT_TRUE(savePNGFile(picture, path.c_str()));
    EXPECT_EQ(colourType(path), PNG_RGB);
}
