#pragma once

#include "framework/platform/PlatformMessage.hpp"

#include <cstdint>
#include <vector>

namespace Corvane::Platform
{
/** Whether @p pixels, @p size and @p rowWords describe a picture whose rows hold their pixels. */
bool isPicture(const std::uint32_t *pixels, const SSize &size, long rowWords);

/**
 * The part of @p area that lies inside a picture of @p pictureSize and inside a target of
 * @p targetSize, both with their top left corner at (0, 0); empty when nothing does.
 */
SArea clipArea(const SArea &area, const SSize &pictureSize, const SSize &targetSize);

/** Copies @p area, which lies inside both pictures, from @p source to the same place in @p target. */
void copyArea(const std::uint32_t *source, long sourceRowWords, std::uint32_t *target, long targetRowWords,
              const SArea &area);

/** The picture with straight (not premultiplied) colours, rows packed: what window icons take. */
std::vector<std::uint32_t> unpremultiply(const std::uint32_t *pixels, const SSize &size, long rowWords);
} // namespace Corvane::Platform
