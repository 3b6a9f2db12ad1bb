#include "framework/platform/PixelAreas.hpp"

#include <algorithm>
#include <cstring>

namespace Corvane::Platform
{
namespace
{
std::uint32_t unpremultiplyPixel(std::uint32_t pixel)
{
    const std::uint32_t alpha = pixel >> 24;
    if (alpha == 0)
        return 0;
    std::uint32_t straight = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8)
    {
        const std::uint32_t channel = (pixel >> shift) & 0xFF;
        straight |= std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha) << shift;
    }
    return straight;
}
} // namespace

bool isPicture(const std::uint32_t *pixels, const SSize &size, long rowWords)
{
    return pixels != nullptr && size.width > 0 && size.height > 0 && rowWords >= size.width;
}

SArea clipArea(const SArea &area, const SSize &pictureSize, const SSize &targetSize)
{
    // In long long: an area far off the picture must not wrap around into it.
    const long long left = std::max(0, area.x);
    const long long top = std::max(0, area.y);
    const long long right = std::min<long long>({static_cast<long long>(area.x) + area.width, pictureSize.width,
                                                 targetSize.width});
    const long long bottom = std::min<long long>({static_cast<long long>(area.y) + area.height, pictureSize.height,
                                                  targetSize.height});
    if (right <= left || bottom <= top)
        return SArea{};
    return SArea{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top)};
}

void copyArea(const std::uint32_t *source, long sourceRowWords, std::uint32_t *target, long targetRowWords,
              const SArea &area)
{
    for (int row = area.y; row < area.y + area.height; ++row)
        std::memcpy(target + row * targetRowWords + area.x, source + row * sourceRowWords + area.x,
                    static_cast<std::size_t>(area.width) * sizeof(std::uint32_t));
}

std::vector<std::uint32_t> unpremultiply(const std::uint32_t *pixels, const SSize &size, long rowWords)
{
    std::vector<std::uint32_t> straight;
    if (!isPicture(pixels, size, rowWords))
        return straight;
    straight.reserve(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height));
    for (int row = 0; row < size.height; ++row)
        for (int column = 0; column < size.width; ++column)
            straight.push_back(unpremultiplyPixel(pixels[row * rowWords + column]));
    return straight;
}
} // namespace Corvane::Platform
