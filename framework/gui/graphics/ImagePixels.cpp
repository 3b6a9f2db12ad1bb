#include "framework/gui/graphics/ImagePixels.hpp"

#include "framework/basics/MemoryPages.hpp"

#include <cairo.h>
#include <sys/stat.h>

#include <climits>
#include <cstdio>

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

PictureSurface createPictureSurface(long width, long height)
{
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
