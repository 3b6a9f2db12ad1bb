#pragma once

#include "framework/basics/CSystemString.hpp"

#include <cstdint>
#include <memory>
#include <vector>

// cairo's own declaration, repeated so that users of the picture types need not include cairo.
typedef struct _cairo_surface cairo_surface_t;

namespace Corvane::GUI::Graphics
{
/**
 * The largest pictures the loaders accept. A header that announces more is refused before
 * anything is allocated, so a damaged or hostile file can never exhaust memory.
 */
constexpr long MAXIMUM_PICTURE_SIDE = 16384;
constexpr std::uint64_t MAXIMUM_PICTURE_BYTES = 256ULL * 1024 * 1024;

/** Null for a size the loaders accept, else the reason for refusing it. */
const char *checkPictureSize(long width, long height);

/**
 * The whole of a picture file; false when it is not a regular file, cannot be read or holds more
 * than any picture we load. It makes no counted object, so any thread may read.
 */
bool readPictureFile(const char *path, std::vector<unsigned char> &bytes);

struct CairoSurfaceReleaser
{
    void operator()(cairo_surface_t *surface) const;
};

/** A picture owned by one holder: a cairo ARGB32 image surface, premultiplied. */
using PictureSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceReleaser>;

/** A transparent black picture, or null when cairo cannot make one of that size. */
PictureSurface createPictureSurface(long width, long height);
/**
 * A picture on @p pixels that the caller owns and keeps for as long as the picture lives, rows
 * @p rowWords words apart; null when cairo cannot use that memory or size.
 */
PictureSurface createPictureSurfaceOn(std::uint32_t *pixels, long width, long height, long rowWords);

/** The picture's pixels as 32-bit words, one row after another @p rowWords apart. */
std::uint32_t *getPictureWords(cairo_surface_t *surface, long &rowWords);

/**
 * One ARGB32 word from straight (not premultiplied) channels: each colour becomes
 * channel x alpha / 255, truncated, which keeps every channel at or below alpha.
 */
constexpr std::uint32_t premultipliedPixel(std::uint32_t blue, std::uint32_t green, std::uint32_t red,
                                           std::uint32_t alpha)
{
    return alpha << 24 | (red * alpha / 255) << 16 | (green * alpha / 255) << 8 | blue * alpha / 255;
}

/** Premultiplies, in place, a picture whose ARGB32 words were written with straight colour. */
void premultiplyPicture(cairo_surface_t *surface);
} // namespace Corvane::GUI::Graphics
