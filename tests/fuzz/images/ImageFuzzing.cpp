#include "tests/fuzz/images/ImageFuzzing.hpp"

#include "framework/basics/CException.hpp"
#include "framework/gui/graphics/ImageFactory.hpp"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace Corvane::Fuzzing
{
namespace
{
constexpr int CHECKED_PIXELS = 1 << 20;

class CScratchFolder
{
public:
    // Every input is written to a file: in memory when the system offers it, ten times faster
    // than a disk.
    CScratchFolder()
    {
        namespace fs = std::filesystem;
        for (const fs::path &base : {fs::path("/dev/shm"), fs::temp_directory_path()})
        {
            std::string pattern = (base / "corvane-fuzz-XXXXXX").string();
            std::vector<char> name(pattern.begin(), pattern.end());
            name.push_back('\0');
            if (mkdtemp(name.data()) != nullptr)
            {
                m_path = name.data();
                return;
            }
        }
        std::abort();
    }
    CScratchFolder(const CScratchFolder &) = delete;
    CScratchFolder &operator=(const CScratchFolder &) = delete;
    ~CScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

/** Traps unless every pixel of the row is validly premultiplied, and opaque when @p opaque. */
void checkRow(const std::uint32_t *row, int width, bool opaque)
{
    for (int x = 0; x < width; x++)
    {
        const std::uint32_t alpha = row[x] >> 24;
        if ((row[x] >> 16 & 0xFF) > alpha || (row[x] >> 8 & 0xFF) > alpha || (row[x] & 0xFF) > alpha ||
            (opaque && alpha != 0xFF))
            __builtin_trap();
    }
}

/**
 * Traps unless the picture has the size the image reports and its pixels are validly
 * premultiplied (no colour channel above its alpha); an image without alpha must be opaque.
 */
void checkPicture(const GUI::Graphics::CBaseImage &image)
{
    cairo_surface_t *picture = image.getImageHandle();
    if (picture == nullptr)
        __builtin_trap();
    const int width = cairo_image_surface_get_width(picture);
    const int height = cairo_image_surface_get_height(picture);
    if (width != image.getImageSize().getWidth() || height != image.getImageSize().getHeight())
        __builtin_trap();
    // A file of a few bytes may announce a quarter of a gigabyte of pixels. Checking the rows at
    // both ends of such a picture (files fill it from one end or the other) keeps fuzzing fast.
    const int endRows = std::min(height, CHECKED_PIXELS / width + 1);
    const unsigned char *data = cairo_image_surface_get_data(picture);
    for (int y = 0; y < height; y = y + 1 == endRows ? std::max(endRows, height - endRows) : y + 1)
        checkRow(reinterpret_cast<const std::uint32_t *>(data + y * cairo_image_surface_get_stride(picture)), width,
                 !image.hasAlpha());
}
} // namespace

const std::string &scratchFolder()
{
    static const CScratchFolder folder;
    return folder.path();
}

std::string writeScratchFile(const std::string &name, const std::uint8_t *data, std::size_t size)
{
    const std::string path = scratchFolder() + "/" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char *>(data),
                                                                  static_cast<std::streamsize>(size));
    return path;
}

int fuzzImageFile(const std::uint8_t *data, std::size_t size, const char *ending)
{
    const std::string path = writeScratchFile(std::string("input.") + ending, data, size);
    try
    {
        std::unique_ptr<GUI::Graphics::CBaseImage> image(GUI::Graphics::createImage(path.c_str()));
        if (image == nullptr || !image->isLoaded())
            __builtin_trap();
        checkPicture(*image);
    }
    catch (const Exceptions::CException &)
    {
        // A refused file: its reason is in the exception.
    }
    return 0;
}
} // namespace Corvane::Fuzzing
