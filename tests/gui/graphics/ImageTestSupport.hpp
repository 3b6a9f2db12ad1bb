#pragma once

#include "framework/gui/graphics/CBaseImage.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace Corvane::Testing
{
/** The path of a picture in the tests' fixtures folder. */
std::string fixture(const std::string &name);

/** A 32-bit Targa file (image descriptor 8) with @p pixels as blue, green, red, alpha bytes. */
std::string targaFile(int width, int height, const std::vector<unsigned char> &pixels);

/** The ARGB32 word of a loaded picture at (x, y). */
std::uint32_t pixelAt(const GUI::Graphics::CBaseImage &image, int x, int y);
} // namespace Corvane::Testing
