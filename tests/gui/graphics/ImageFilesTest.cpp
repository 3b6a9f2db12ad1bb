#include "framework/basics/CClassRegistry.hpp"
#include "framework/basics/CException.hpp"
#include "framework/gui/graphics/CJPEGImage.hpp"
#include "framework/gui/graphics/CPNGImage.hpp"
#include "framework/gui/graphics/ImageFactory.hpp"
#include "framework/gui/graphics/ImagePixels.hpp"
#include "tests/gui/graphics/ImageTestSupport.hpp"
#include "tests/support/LiveCounts.hpp"
#include "tests/support/TemporaryFolder.hpp"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <memory>

using namespace Corvane::GUI::Graphics;
using Corvane::Basics::CSystemString;
using Corvane::Exceptions::CException;
using Corvane::Testing::fixture;
using Corvane::Testing::pixelAt;
using Corvane::Testing::targaFile;
using Corvane::Testing::TemporaryFolder;

namespace
{
constexpr const char *HEADER_MISMATCH =
    "Header information did not match\nFile must be 32 bit Targa, colour map of 0, bpp = 8";
constexpr const char *TOO_LARGE =
    "The picture is too large: at most 16384 pixels on a side and 256 MiB of pixels are loaded";

bool startsWith(const std::string &text, const std::string &start)
{
    return text.rfind(start, 0) == 0;
}

std::string describe(const CBaseImage &image)
{
    char text[256];
    image.getObjectDescription(text, sizeof text);
    return text;
}

/** The message of the exception that making a Targa image of @p path throws, or "" when none. */
std::string targaFailure(const std::string &path)
{
    try
    {
        CTGAImage image(path.c_str());
    }
    catch (const CException &exception)
    {
        return std::string(exception.getErrorReason().getString()) + " | " + exception.getFunctionName().getString();
    }
    return "";
}

/** Loads @p path into @p image: the failure's reason, or "" when it loaded. */
template <class Image> std::string loadFailure(Image &image, const std::string &path)
{
    return image.loadFromFile(path.c_str()) ? "" : image.getLastError().getString();
}

void expectChannelsNear(std::uint32_t word, std::uint32_t expected, int tolerance)
{
    for (int shift = 0; shift < 32; shift += 8)
        EXPECT_NEAR(static_cast<int>(word >> shift & 0xFF), static_cast<int>(expected >> shift & 0xFF), tolerance)
            << std::hex << word << " against " << expected;
}
} // namespace

TEST(CTGAImage, LoadsBottomUpRowsPremultiplied)
{
    TemporaryFolder folder;
    const std::string path = folder.write("pair.tga", targaFile(2, 1, {0xFF, 0, 0, 128, 10, 20, 30, 255}));
    CTGAImage image(path.c_str());
    EXPECT_EQ(pixelAt(image, 0, 0), 0x80000080u); // (B 128, G 0, R 0, A 128)
    EXPECT_EQ(pixelAt(image, 1, 0), 0xFF1E140Au); // (B 10, G 20, R 30, A 255)
    EXPECT_EQ(image.getImageSize(), Corvane::MathTools::CDimension(2, 1));
    EXPECT_EQ(image.getNormalisedImageArea(), Corvane::MathTools::CRect(0, 0, 2, 1));
    EXPECT_EQ(image.getImageType(), CBaseImage::TARGA_IMAGE);
    EXPECT_TRUE(image.hasAlpha());
    EXPECT_EQ(describe(image), "File loaded is = " + path);
    EXPECT_STREQ(image.getClass().getParentName(), "CBaseImage");
    // Images are a branch of their own: the base has no record, so the walk ends there.
    const auto *registry = Corvane::Basics::CClassRegistry::getClassRegistry();
    EXPECT_EQ(registry->getClassByName("CBaseImage"), nullptr);
    EXPECT_FALSE(image.getClass().isTypeOf(*registry->getClassByName("CCountedObject")));

    // The first row in the file is the bottom one; a file cut short leaves transparent black.
    const std::string column = folder.write("column.tga", targaFile(1, 3, {1, 2, 3, 4, 5, 6, 7, 255}));
    ASSERT_TRUE(image.loadFromFile(column.c_str()));
    EXPECT_EQ(pixelAt(image, 0, 2), 0x04000000u);
    EXPECT_EQ(pixelAt(image, 0, 1), 0xFF070605u);
    EXPECT_EQ(pixelAt(image, 0, 0), 0u);

    image.unloadImage();
    EXPECT_FALSE(image.isLoaded());
    EXPECT_EQ(image.getImageHandle(), nullptr);
    EXPECT_EQ(image.getFilename(), " ");
    EXPECT_EQ(image.getImageSize(), Corvane::MathTools::CDimension(0, 0));
    EXPECT_EQ(describe(image), "No Image loaded");
}

TEST(CTGAImage, RefusesOtherKindsAndAbsurdSizes)
{
    TemporaryFolder folder;
    std::string topDown = targaFile(1, 1, {1, 2, 3, 4});
    topDown[17] = 40;
    std::string twentyFourBit = targaFile(1, 1, {1, 2, 3});
    twentyFourBit[16] = 24;
    const std::string path = folder.write("top-down.tga", topDown);
    EXPECT_EQ(targaFailure(path), "Failed to load " + path + "\nThe reason was : " + HEADER_MISMATCH +
                                      " | CTGAImage::CTGAImage(const CSystemString &)");

    CTGAImage image(folder.write("good.tga", targaFile(1, 1, {1, 2, 3, 4})).c_str());
    EXPECT_EQ(loadFailure(image, folder.write("24.tga", twentyFourBit)), HEADER_MISMATCH);
    EXPECT_EQ(image.getFilename(), " ");
    EXPECT_FALSE(image.isLoaded());
    EXPECT_EQ(loadFailure(image, folder.write("short.tga", targaFile(1, 1, {}).substr(0, 17))), HEADER_MISMATCH);
    EXPECT_EQ(loadFailure(image, folder.file("missing.tga")), "Could not find file with matching details");
    EXPECT_EQ(loadFailure(image, folder.file("picture.png")), "Filename is not of TARGA type");

    // Headers announcing more than the loaders take are refused before anything is allocated.
    EXPECT_EQ(loadFailure(image, folder.write("wide.tga", targaFile(16385, 1, {}))), TOO_LARGE);
    EXPECT_EQ(loadFailure(image, folder.write("big.tga", targaFile(16384, 4097, {}))), TOO_LARGE);
    EXPECT_EQ(loadFailure(image, folder.write("empty.tga", targaFile(0, 5, {}))), "The picture has no pixels");
    EXPECT_EQ(checkPictureSize(16384, 4096), nullptr);
}

TEST(CPNGImage, DecodesAlphaPremultiplied)
{
    CPNGImage image(fixture("alpha.png").c_str());
    ASSERT_EQ(image.getImageSize(), Corvane::MathTools::CDimension(3, 2));
    EXPECT_TRUE(image.hasAlpha());
    EXPECT_EQ(image.getImageType(), CBaseImage::PNG_IMAGE);
    EXPECT_EQ(pixelAt(image, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(image, 1, 0), 0x80643219u); // (200, 100, 50) at alpha 128
    EXPECT_EQ(pixelAt(image, 2, 0), 0u);
    EXPECT_EQ(pixelAt(image, 0, 1), 0xFF0000FFu);
    EXPECT_EQ(pixelAt(image, 1, 1), 0x40404040u);
    EXPECT_EQ(pixelAt(image, 2, 1), 0xFF000000u);

    TemporaryFolder folder;
    const std::string whole = TemporaryFolder::read(fixture("alpha.png"));
    EXPECT_EQ(loadFailure(image, fixture("oversized.png")), TOO_LARGE);
    EXPECT_EQ(loadFailure(image, folder.file("missing.png")), "Could not find file with matching details");
    const std::string text = folder.write("text.png", "not a picture");
    EXPECT_EQ(loadFailure(image, text), "Failed to read the PNG file: Not a PNG file");
    // A few bytes announcing a chunk of 2 GiB are refused before libpng sets the memory aside.
    const std::string header = whole.substr(0, 33);
    const std::string boastful = folder.write("boastful.png", header + "\x7F\xFF\xFF\xFFtEXtabc");
    const std::string chunkTooLong = "Failed to read the PNG file: a chunk is longer than the file";
    EXPECT_EQ(loadFailure(image, boastful), chunkTooLong);
    EXPECT_EQ(loadFailure(image, folder.write("cut.png", whole.substr(0, whole.size() - 30))), chunkTooLong);
    std::string damaged = whole;
    damaged[60] ^= 0x55; // inside the pixel data, whose checksum no longer matches
    const std::string damagedFile = folder.write("damaged.png", damaged);
    EXPECT_TRUE(startsWith(loadFailure(image, damagedFile), "Failed to decode the PNG file: "));
    EXPECT_EQ(loadFailure(image, fixture("quadrants.jpg")), "Filename is not of PNG type");
    EXPECT_EQ(image.getImageHandle(), nullptr);
}

TEST(CPNGImage, APaletteWithTransparencyIsPremultipliedAndAnOpaqueOneIsNot)
{
    TemporaryFolder folder;
    const unsigned char indices[] = {0, 1, 2};
    auto writePalette = [&](const std::string &name, png_uint_32 format, const unsigned char *colours) {
        png_image written{};
        written.version = PNG_IMAGE_VERSION;
        written.width = 3;
        written.height = 1;
        written.format = format | PNG_FORMAT_FLAG_COLORMAP;
        written.colormap_entries = 3;
        png_alloc_size_t size = 0;
        EXPECT_NE(png_image_write_get_memory_size(written, size, 0, indices, 3, colours), 0);
        std::string bytes(size, '\0');
        EXPECT_NE(png_image_write_to_memory(&written, bytes.data(), &size, 0, indices, 3, colours), 0);
        bytes.resize(size);
        return folder.write(name, bytes);
    };

    // Opaque red, (200, 100, 50) at alpha 128 and an opaque grey, kept as a palette with transparency.
    const unsigned char translucent[] = {255, 0, 0, 255, 200, 100, 50, 128, 90, 90, 90, 255};
    CPNGImage image(writePalette("translucent.png", PNG_FORMAT_RGBA, translucent).c_str());
    ASSERT_TRUE(image.getImageHandle() != nullptr);
    EXPECT_EQ(pixelAt(image, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(pixelAt(image, 1, 0), 0x80643219u);
    EXPECT_EQ(pixelAt(image, 2, 0), 0xFF5A5A5Au);

    const unsigned char opaque[] = {255, 0, 0, 200, 100, 50, 90, 90, 90};
    ASSERT_EQ(loadFailure(image, writePalette("opaque.png", PNG_FORMAT_RGB, opaque)), "");
    EXPECT_EQ(pixelAt(image, 1, 0), 0xFFC86432u);
}

TEST(CJPEGImage, DecodesOpaqueColours)
{
    CJPEGImage image(fixture("quadrants.jpg").c_str());
    ASSERT_EQ(image.getImageSize(), Corvane::MathTools::CDimension(16, 16));
    EXPECT_FALSE(image.hasAlpha());
    EXPECT_EQ(image.getImageType(), CBaseImage::JPEG_IMAGE);
    // Lossy: each quadrant's middle is within a few steps of its colour, and always opaque.
    expectChannelsNear(pixelAt(image, 4, 4), 0xFFDC1E1E, 6);
    expectChannelsNear(pixelAt(image, 12, 4), 0xFF1EC828, 6);
    expectChannelsNear(pixelAt(image, 4, 12), 0xFF2832D2, 6);
    expectChannelsNear(pixelAt(image, 12, 12), 0xFFFAFAFA, 6);

    TemporaryFolder folder;
    const std::string whole = TemporaryFolder::read(fixture("quadrants.jpg"));
    std::string huge = whole;
    const std::size_t frame = huge.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    huge.replace(frame + 5, 4, "\x4E\x20\x4E\x20"); // 20000 x 20000
    EXPECT_EQ(loadFailure(image, folder.write("huge.jpg", huge)), TOO_LARGE);
    // A damaged file is refused, not shown in part.
    const std::string cut = folder.write("cut.jpeg", whole.substr(0, whole.size() - 10));
    EXPECT_EQ(loadFailure(image, cut), "Failed to decode the JPEG file: Premature end of JPEG file");
    EXPECT_EQ(loadFailure(image, folder.file("missing.jpeg")), "Could not find file with matching details");
    const std::string text = folder.write("text.JPG", "not a picture");
    EXPECT_TRUE(startsWith(loadFailure(image, text), "Failed to read the JPEG file: "));
    EXPECT_EQ(loadFailure(image, fixture("alpha.png")), "Filename is not of JPEG type");
    EXPECT_THROW(CJPEGImage(folder.file("missing.jpg").c_str()), CException);
}

TEST(ImageFactory, PicksTheKindByEnding)
{
    TemporaryFolder folder;
    const std::string targa = targaFile(1, 1, {1, 2, 3, 255});
    folder.write("upper.TGA", targa);
    folder.write("plain.tga", targa);
    folder.write("twice.png.tga", targa);
    const Corvane::Testing::LiveCounts before;
    {
        EXPECT_EQ(createImage(folder.file("picture.bmp").c_str()), nullptr);
        std::unique_ptr<CBaseImage> upper(createImage(folder.file("upper.TGA").c_str()));
        EXPECT_EQ(upper->getImageType(), CBaseImage::TARGA_IMAGE);
        std::unique_ptr<CBaseImage> png(createImage(fixture("alpha.png").c_str()));
        EXPECT_EQ(png->getImageType(), CBaseImage::PNG_IMAGE);
        std::unique_ptr<CBaseImage> jpeg(createImage(CSystemString(fixture("").c_str()), "quadrants.jpg"));
        EXPECT_EQ(jpeg->getImageType(), CBaseImage::JPEG_IMAGE);
        EXPECT_THROW(createImage(folder.file("missing.png").c_str()), CException);

        std::unique_ptr<CTGAImage> plain(createTargaImage(folder.path().c_str(), "plain"));
        EXPECT_EQ(plain->getFilename(), (folder.path() + "/plain.tga").c_str());
        std::unique_ptr<CTGAImage> twice(createTargaImage(folder.path().c_str(), "twice.png"));
        EXPECT_EQ(twice->getFilename(), (folder.path() + "/twice.png.tga").c_str());
    }
    EXPECT_EQ(Corvane::Testing::LiveCounts().differencesFrom(before), "");

    EXPECT_EQ(joinImagePath(" ", "a.png"), "a.png");
    EXPECT_EQ(joinImagePath("/skins/", "a.png"), "/skins/a.png");
    EXPECT_EQ(joinImagePath("/skins", "a.png"), "/skins/a.png");
}
