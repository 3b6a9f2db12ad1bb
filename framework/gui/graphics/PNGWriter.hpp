#pragma once

#include "framework/basics/CSystemString.hpp"

namespace Corvane::GUI::Graphics
{
class CNativeImage;

/**
 * Writes the picture of @p image to @p path as a PNG file with 8 bits a channel: plain RGB when
 * every pixel is opaque, else RGB with alpha. PNG stores straight colour, so each premultiplied
 * channel is divided by its alpha and rounded up, which is what makes CPNGImage load exactly the
 * words that were saved. The file is written beside its final name and renamed into place, so a
 * failure (no picture, a folder that cannot be written, a full disk) answers false and leaves
 * whatever file was at @p path before untouched.
 */
bool savePNGFile(const CNativeImage &image, const Basics::CSystemString &path);
} // namespace Corvane::GUI::Graphics
