#include "framework/gui/graphics/CPNGImage.hpp"

#include "framework/gui/graphics/PicturePrefetch.hpp"

#include <png.h>

#include <cstring>
#include <vector>

namespace Corvane::GUI::Graphics
{
CORVANE_DEFINE_CLASS(CPNGImage, "CPNGImage", "CBaseImage")

namespace
{
// The libpng layout whose bytes make one native ARGB32 word per pixel.
constexpr png_uint_32 NATIVE_ARGB32_FORMAT =
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;

/** Frees libpng's reading state however the decoding ends (a second free does nothing). */
class CPNGReading
{
public:
    CPNGReading() { m_image.version = PNG_IMAGE_VERSION; }
    CPNGReading(const CPNGReading &) = delete;
    CPNGReading &operator=(const CPNGReading &) = delete;
    ~CPNGReading() { png_image_free(&m_image); }

    png_image &image() { return m_image; }

private:
    png_image m_image = {};
};

/**
 * libpng sets aside, and clears, the whole length a chunk announces before reading it, so a file
 * of a few bytes announcing a chunk of gigabytes would exhaust memory. True when every chunk up
 * to the end marker fits in the file; a file cut inside a chunk's header is libpng's to report.
 */
bool chunksFitFile(const std::vector<unsigned char> &file)
{
    constexpr std::size_t SIGNATURE = 8;
    constexpr std::size_t LENGTH_AND_TYPE = 8;
    constexpr std::size_t LENGTH_TYPE_AND_CHECKSUM = 12;
    for (std::size_t offset = SIGNATURE; offset + LENGTH_AND_TYPE <= file.size();)
    {
        const unsigned char *chunk = &file[offset];
        const std::size_t length = static_cast<std::size_t>(chunk[0]) << 24 | chunk[1] << 16 | chunk[2] << 8 | chunk[3];
        const std::size_t remaining = file.size() - offset;
        if (remaining < LENGTH_TYPE_AND_CHECKSUM || length > remaining - LENGTH_TYPE_AND_CHECKSUM)
            return false;
        if (std::memcmp(chunk + 4, "IEND", 4) == 0)
            return true;
        offset += LENGTH_TYPE_AND_CHECKSUM + length;
    }
    return true;
}
/** No picture, with @p reason in @p error. */
PictureSurface refuse(std::string &error, std::string reason)
{
    error = std::move(reason);
    return nullptr;
}
} // namespace

CPNGImage::CPNGImage(const Basics::CSystemString &path) : CBaseImage(true)
{
    loadOrThrow(path, "CPNGImage::CPNGImage(const CSystemString &)");
}

long CPNGImage::getImageType() const
{
    return PNG_IMAGE;
}

bool CPNGImage::isPNGFilename(const Basics::CSystemString &path)
{
    return endsWithAny(path, {"png", "PNG"});
}

// libpng's simplified interface catches its own errors (it never long-jumps through this code)
// and reports them in the image's message.
PictureSurface CPNGImage::decodeFile(const std::vector<unsigned char> &file, std::string &error)
{
    if (!chunksFitFile(file))
        return refuse(error, "Failed to read the PNG file: a chunk is longer than the file");
    CPNGReading reading;
    png_image &image = reading.image();
    if (png_image_begin_read_from_memory(&image, file.data(), file.size()) == 0)
        return refuse(error, std::string("Failed to read the PNG file: ") + image.message);
    if (const char *sizeError = checkPictureSize(image.width, image.height))
        return refuse(error, sizeError);
    PictureSurface picture = createPictureSurface(image.width, image.height);
    if (picture == nullptr)
        return refuse(error, "Failed to aquire HBITMAP from Bitmap image");
    // Without alpha in the file every pixel comes out opaque, which premultiplying leaves as it is.
    const bool opaque = (image.format & PNG_FORMAT_FLAG_ALPHA) == 0;
    image.format = NATIVE_ARGB32_FORMAT;
    long rowWords = 0;
    std::uint32_t *pixels = getPictureWords(picture.get(), rowWords);
    if (png_image_finish_read(&image, nullptr, pixels, static_cast<png_int_32>(rowWords * 4), nullptr) == 0)
        return refuse(error, std::string("Failed to decode the PNG file: ") + image.message);
    if (!opaque)
        premultiplyPicture(picture.get());
    return picture;
}

bool CPNGImage::loadFromFile(const Basics::CSystemString &path)
{
    if (!startLoading(path, isPNGFilename(path), "Filename is not of PNG type"))
        return false;
    if (PictureSurface prefetched = takePrefetchedPicture(path))
        return finishLoading(std::move(prefetched));
    std::vector<unsigned char> file;
    if (!readPictureFile(path.getString(), file))
        return failLoading("Could not find file with matching details");
    std::string error;
    PictureSurface picture = decodeFile(file, error);
    if (picture == nullptr)
        return failLoading(error.c_str());
    return finishLoading(std::move(picture));
}
} // namespace Corvane::GUI::Graphics
