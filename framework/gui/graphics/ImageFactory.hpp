#pragma once

#include "framework/gui/graphics/CTGAImage.hpp"

namespace Corvane::GUI::Graphics
{
/**
 * Makes the image kind that the path's ending names, tried in this order and compared exactly:
 * "jpg", "jpeg", "JPG", "JPEG" a JPEG; "tga", "TGA" a Targa; "png", "PNG" a PNG. Null for any
 * other ending. The new image is unreferenced; a file that cannot be loaded throws CException.
 */
CBaseImage *createImage(const Basics::CSystemString &path);

/** createImage of @p fileName in @p folder. */
CBaseImage *createImage(const Basics::CSystemString &folder, const Basics::CSystemString &fileName);

/**
 * A Targa image of @p fileName in @p folder; the ending ".tga" is added when the name does not
 * already end with "tga". Throws CException when the file cannot be loaded.
 */
CTGAImage *createTargaImage(const Basics::CSystemString &folder, const Basics::CSystemString &fileName);

/**
 * @p part inside @p folder. An empty folder, or the single blank that stands for an unset one,
 * leaves @p part as it is, relative to the working folder rather than to the file system's root.
 */
Basics::CSystemString joinImagePath(const Basics::CSystemString &folder, const Basics::CString &part);
} // namespace Corvane::GUI::Graphics
