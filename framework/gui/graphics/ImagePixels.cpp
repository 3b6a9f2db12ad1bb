#include "framework/gui/graphics/ImagePixels.hpp"

#include "framework/basics/MemoryPages.hpp"

#include <cairo.h>
#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <memory>

namespace Corvane::GUI::Graphics
{
const char *checkPictureSize(long width, long height)
{
    if (width < 1 || height < 1)
        return "The picture has no pixels";
    const std::uint64_t bytes = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) * 4;
    if (width > MAXIMUM_PICTURE_SIDE || height > MAXIMUM_PICTURE_SIDE || bytes > MAXIMUM_PICTURE_BYTES)
        return "The picture is too large: at most 16384 pixels on a side and 256 MiB of pixels are loaded";
    return nullptr;
}

bool readPictureFile(const char *path, std::vector<unsigned char> &bytes)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE *)> file(std::fopen(path, "rb"), std::fclose);
    struct stat status = {};
    if (!file || fstat(fileno(file.get()), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uint64_t>(status.st_size) > MAXIMUM_PICTURE_BYTES)
        return false;
    bytes.resize(static_cast<std::size_t>(status.st_size));
    return std::fread(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
}

void CairoSurfaceReleaser::operator()(cairo_surface_t *surface) const
{
    cairo_surface_destroy(surface);
}

namespace
{
/** A large picture's pixels, which the picture gives back when it is destroyed. */
struct SLargePixels
{
    void *block;
    std::size_t bytes;
};

const cairo_user_data_key_t LARGE_PIXELS_KEY{};

void releaseLargePixels(void *pixels)
{
    auto *large = static_cast<SLargePixels *>(pixels);
    Basics::releaseLargeBlock(large->block, large->bytes);
    delete large;
}

/** A picture on a block of its own (see allocateLargeBlock); null when that cannot be had. */
PictureSurface createLargePictureSurface(int width, int height, int stride)
{
    const std::size_t bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
    auto large = std::make_unique<SLargePixels>(SLargePixels{Basics::allocateLargeBlock(bytes), bytes});
    if (large->block == nullptr)
        return nullptr;
    PictureSurface surface(cairo_image_surface_create_for_data(static_cast<unsigned char *>(large->block),
                                                               CAIRO_FORMAT_ARGB32, width, height, stride));
    if (cairo_surface_set_user_data(surface.get(), &LARGE_PIXELS_KEY, large.get(), releaseLargePixels) !=
        CAIRO_STATUS_SUCCESS)
    {
        Basics::releaseLargeBlock(large->block, bytes);
        return nullptr;
    }
    large.release();
    return surface;
}
} // namespace

PictureSurface createPictureSurface(long width, long height)
{
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, static_cast<int>(width));
    if (stride > 0 && height > 0 && static_cast<std::size_t>(stride) * height >= Basics::LARGE_BLOCK_BYTES)
        if (PictureSurface large = createLargePictureSurface(static_cast<int>(width), static_cast<int>(height), stride))
            return large;
    PictureSurface surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height)));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        surface.reset();
    else // a picture is made to be drawn or decoded into whole
        Basics::prefaultPages(cairo_image_surface_get_data(surface.get()),
                              static_cast<std::size_t>(cairo_image_surface_get_stride(surface.get())) * height);
    return surface;
}

PictureSurface createPictureSurfaceOn(std::uint32_t *pixels, long width, long height, long rowWords)
{
    if (pixels == nullptr || rowWords < width || rowWords > INT_MAX / 4)
        return nullptr;
    PictureSurface surface(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char *>(pixels),
                                                               CAIRO_FORMAT_ARGB32, static_cast<int>(width),
                                                               static_cast<int>(height), static_cast<int>(rowWords * 4)));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        surface.reset();
    return surface;
}

std::uint32_t *getPictureWords(cairo_surface_t *surface, long &rowWords)
{
    // ARGB32 strides are always whole words.
    rowWords = cairo_image_surface_get_stride(surface) / 4;
    return reinterpret_cast<std::uint32_t *>(cairo_image_surface_get_data(surface));
}

void premultiplyPicture(cairo_surface_t *surface)
{
    long rowWords = 0;
    std::uint32_t *row = getPictureWords(surface, rowWords);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    for (int y = 0; y < height; y++, row += rowWords)
        for (int x = 0; x < width; x++)
        {
            const std::uint32_t word = row[x];
            row[x] = premultipliedPixel(word & 0xFF, word >> 8 & 0xFF, word >> 16 & 0xFF, word >> 24);
        }
}
} // namespace Corvane::GUI::Graphics
