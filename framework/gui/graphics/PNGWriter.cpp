#include "framework/gui/graphics/PNGWriter.hpp"

#include "framework/gui/graphics/CNativeImage.hpp"
#include "framework/io/CFileStream.hpp"

#include <png.h>

#include <cstdio>
#include <vector>

namespace Corvane::GUI::Graphics
{
namespace
{
/** Frees libpng's writing state however the encoding ends. */
class CPNGWriting
{
public:
    CPNGWriting(long width, long height, bool withAlpha, EPNGRows rows)
    {
        m_image.version = PNG_IMAGE_VERSION;
        m_image.width = static_cast<png_uint_32>(width);
        m_image.height = static_cast<png_uint_32>(height);
        m_image.format = withAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
        // libpng's fast writing stores the rows unfiltered.
        m_image.flags = rows == EPNGRows::UNFILTERED ? PNG_IMAGE_FLAG_FAST : 0;
    }
    CPNGWriting(const CPNGWriting &) = delete;
    CPNGWriting &operator=(const CPNGWriting &) = delete;
    ~CPNGWriting() { png_image_free(&m_image); }

    /** The encoded file of @p rows, one byte a channel; empty when libpng refuses them. */
    std::vector<unsigned char> encode(const std::vector<unsigned char> &rows)
    {
        png_alloc_size_t size = 0;
        if (png_image_write_to_memory(&m_image, nullptr, &size, 0, rows.data(), 0, nullptr) == 0)
            return {};
        std::vector<unsigned char> file(size);
        if (png_image_write_to_memory(&m_image, file.data(), &size, 0, rows.data(), 0, nullptr) == 0)
            return {};
        file.resize(size);
        return file;
    }

private:
    png_image m_image = {};
};

/** Straight colour from a premultiplied channel, rounded up; a channel above its alpha is clipped. */
unsigned char straightChannel(std::uint32_t channel, std::uint32_t alpha)
{
    const std::uint32_t straight = (channel * 255 + alpha - 1) / alpha;
    return static_cast<unsigned char>(straight > 255 ? 255 : straight);
}

bool isOpaque(const std::uint32_t *pixels, long rowWords, long width, long height)
{
    for (long y = 0; y < height; y++)
        for (long x = 0; x < width; x++)
            if (pixels[y * rowWords + x] >> 24 != 255)
                return false;
    return true;
}

/** The picture's pixels as rows of red, green, blue (and alpha) bytes. */
std::vector<unsigned char> straightRows(const std::uint32_t *pixels, long rowWords, long width, long height,
                                        bool withAlpha)
{
    std::vector<unsigned char> rows;
    rows.reserve(static_cast<std::size_t>(width * height * (withAlpha ? 4 : 3)));
    for (long y = 0; y < height; y++)
        for (long x = 0; x < width; x++)
        {
            const std::uint32_t word = pixels[y * rowWords + x];
            const std::uint32_t alpha = word >> 24;
            for (int shift : {16, 8, 0})
                rows.push_back(alpha == 0 ? 0 : straightChannel(word >> shift & 0xFF, alpha));
            if (withAlpha)
                rows.push_back(static_cast<unsigned char>(alpha));
        }
    return rows;
}

bool writeWholeFile(const Basics::CSystemString &path, const std::vector<unsigned char> &bytes)
{
    IO::CFileStream file;
    if (!file.openStream(path, true, true, true))
        return false;
    const bool written = file.writeBytes(bytes.data(), static_cast<long>(bytes.size())) && file.flush();
    file.closeStream();
    return written;
}
} // namespace

bool savePNGFile(const CNativeImage &image, const Basics::CSystemString &path, EPNGRows rows)
{
    long rowWords = 0;
    const std::uint32_t *pixels = image.getPixels(rowWords);
    if (pixels == nullptr)
        return false;
    const long width = image.getSize().getWidth();
    const long height = image.getSize().getHeight();
    const bool withAlpha = !isOpaque(pixels, rowWords, width, height);
    const std::vector<unsigned char> file =
        CPNGWriting(width, height, withAlpha, rows).encode(straightRows(pixels, rowWords, width, height, withAlpha));
    if (file.empty())
        return false;
    const Basics::CString partial = Basics::CString(path) += ".part";
    if (writeWholeFile(partial.getString(), file) && std::rename(partial.getString(), path.getString()) == 0)
        return true;
    std::remove(partial.getString());
    return false;
}
} // namespace Corvane::GUI::Graphics
