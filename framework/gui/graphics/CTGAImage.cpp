#include "framework/gui/graphics/CTGAImage.hpp"

#include "framework/io/CFileStream.hpp"

#include <cairo.h>

#include <algorithm>
#include <vector>

namespace Corvane::GUI::Graphics
{
CORVANE_DEFINE_CLASS(CTGAImage, "CTGAImage", "CBaseImage")

namespace
{
constexpr const char *HEADER_MISMATCH =
    "Header information did not match\nFile must be 32 bit Targa, colour map of 0, bpp = 8";

/** The 18-byte Targa header, in file order; every multi-byte field is stored lowest byte first. */
struct CTargaHeader
{
    std::uint8_t identificationLength = 0;
    std::uint8_t colourMapType = 0;
    std::uint8_t imageType = 0;
    std::uint16_t colourMapFirstIndex = 0;
    std::uint16_t colourMapLength = 0;
    std::uint8_t colourMapEntrySize = 0;
    std::uint16_t xOrigin = 0;
    std::uint16_t yOrigin = 0;
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint8_t pixelDepth = 0;
    std::uint8_t imageDescriptor = 0;

    /** False when the file ends inside the header. */
    bool read(IO::CFileStream &file)
    {
        file >> identificationLength >> colourMapType >> imageType >> colourMapFirstIndex >> colourMapLength >>
            colourMapEntrySize >> xOrigin >> yOrigin >> width >> height >> pixelDepth >> imageDescriptor;
        return !file.hasError();
    }

    /** Uncompressed true colour, 32 bits with 8 alpha bits, rows from the bottom, nothing before the pixels. */
    bool isSupported() const
    {
        constexpr std::uint8_t UNCOMPRESSED_TRUE_COLOUR = 2;
        constexpr std::uint8_t EIGHT_ALPHA_BITS_BOTTOM_UP = 8;
        return identificationLength == 0 && colourMapType == 0 && imageType == UNCOMPRESSED_TRUE_COLOUR &&
               pixelDepth == 32 && imageDescriptor == EIGHT_ALPHA_BITS_BOTTOM_UP;
    }
};
} // namespace

CTGAImage::CTGAImage(const Basics::CSystemString &path) : CBaseImage(true)
{
    loadOrThrow(path, "CTGAImage::CTGAImage(const CSystemString &)");
}

long CTGAImage::getImageType() const
{
    return TARGA_IMAGE;
}

bool CTGAImage::isTargaFilename(const Basics::CSystemString &path)
{
    return endsWithAny(path, {"tga", "TGA"});
}

bool CTGAImage::loadFromFile(const Basics::CSystemString &path)
{
    if (!startLoading(path, isTargaFilename(path), "Filename is not of TARGA type"))
        return false;
    IO::CFileStream file(path, false, true);
    if (!file.isStreamOpenForReading())
        return failLoading("Could not find file with matching details");
    CTargaHeader header;
    if (!header.read(file) || !header.isSupported())
        return refuseFile(HEADER_MISMATCH);
    if (const char *sizeError = checkPictureSize(header.width, header.height))
        return refuseFile(sizeError);
    PictureSurface picture = createPictureSurface(header.width, header.height);
    if (picture == nullptr)
        return refuseFile("Failed to create window DIB section from targa data");
    readPixels(file, picture.get());
    return finishLoading(std::move(picture));
}

bool CTGAImage::refuseFile(const char *reason)
{
    forgetFilename();
    return failLoading(reason);
}

void CTGAImage::readPixels(IO::CFileStream &file, cairo_surface_t *picture)
{
    const int width = cairo_image_surface_get_width(picture);
    const int height = cairo_image_surface_get_height(picture);
    long rowWords = 0;
    std::uint32_t *const pixels = getPictureWords(picture, rowWords);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 4);
    bool fileLeft = true;
    for (int y = height - 1; y >= 0 && fileLeft; y--)
    {
        // A file that ends early leaves the rest of the picture transparent black, as it was made.
        std::fill(row.begin(), row.end(), 0);
        fileLeft = file.readBytes(row.data(), static_cast<long>(row.size()));
        std::uint32_t *const target = pixels + static_cast<long>(y) * rowWords;
        for (int x = 0; x < width; x++)
        {
            const unsigned char *bgra = &row[static_cast<std::size_t>(x) * 4];
            target[x] = premultipliedPixel(bgra[0], bgra[1], bgra[2], bgra[3]);
        }
    }
}
} // namespace Corvane::GUI::Graphics
