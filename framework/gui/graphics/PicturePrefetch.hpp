#pragma once

#include "framework/basics/CSystemString.hpp"
#include "framework/gui/graphics/ImagePixels.hpp"

namespace Corvane::GUI::Graphics
{
/**
 * Starts decoding the PNG file at @p path on a thread of its own, so that a program can read its
 * pictures while it does something else that waits (opening its display, say). The thread reads
 * and decodes only; the picture is handed over whole when a PNG image loads that path. Nothing
 * happens for other files, or when no thread can be started. Only the drawing thread may call it.
 */
void prefetchPicture(const Basics::CSystemString &path);

/**
 * The picture an earlier prefetch decoded from @p path, once it is done; each is handed out once.
 * Null when none was asked for, or when reading or decoding failed: the caller then loads the file
 * itself, and reports the failure in its own words.
 */
PictureSurface takePrefetchedPicture(const Basics::CSystemString &path);
} // namespace Corvane::GUI::Graphics
