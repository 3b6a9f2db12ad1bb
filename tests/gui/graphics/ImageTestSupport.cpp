#include "tests/gui/graphics/ImageTestSupport.hpp"

#include <cairo.h>

namespace Corvane::Testing
{
std::string fixture(const std::string &name)
{
    return std::string(CORVANE_IMAGE_FIXTURES) + "/" + name;
}

std::string targaFile(int width, int height, const std::vector<unsigned char> &pixels)
{
    std::string file(18, '\0');
    file[2] = 2;
    file[12] = static_cast<char>(width & 0xFF);
    file[13] = static_cast<char>(width >> 8);
    file[14] = static_cast<char>(height & 0xFF);
    file[15] = static_cast<char>(height >> 8);
    file[16] = 32;
    file[17] = 8;
    return file + std::string(pixels.begin(), pixels.end());
}

std::uint32_t pixelAt(const GUI::Graphics::CBaseImage &image, int x, int y)
{
    cairo_surface_t *picture = image.getImageHandle();
    const unsigned char *row = cairo_image_surface_get_data(picture) + y * cairo_image_surface_get_stride(picture);
    return reinterpret_cast<const std::uint32_t *>(row)[x];
}
} // namespace Corvane::Testing
