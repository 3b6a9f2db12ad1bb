#pragma once

#include "framework/basics/CSystemString.hpp"

namespace Corvane::GUI::Graphics
{
class CNativeImage;

/** How the rows of a PNG file are stored. */
enum class EPNGRows
{
    /** Each row filtered as suits it: the smallest file for any picture. */
    FILTERED,
    /**
     * Rows as they are, compressed quicker: drawn pictures (flat colours and gradients) come out
     * about as small, and decode about three times faster, with no row to unfilter.
     */
    UNFILTERED
};

/**
 * Writes the picture of @p image to @p path as a PNG file with 8 bits a channel: plain RGB when
 * every pixel is opaque, else RGB with alpha. PNG stores straight colour, so each premultiplied
 * channel is divided by its alpha and rounded up, which is what makes CPNGImage load exactly the
 * words that were saved. The file is written beside its final name and renamed into place, so a
 * failure (no picture, a folder that cannot be written, a full disk) answers false and leaves
 * whatever file was at @p path before untouched.
 */
bool savePNGFile(const CNativeImage &image, const Basics::CSystemString &path, EPNGRows rows = EPNGRows::FILTERED);
} // namespace Corvane::GUI::Graphics
