#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Corvane::Fuzzing
{
/** A private folder for the run's input files, made on first use and removed at exit. */
const std::string &scratchFolder();

/** Writes @p data to @p name in the scratch folder; the file's path. */
std::string writeScratchFile(const std::string &name, const std::uint8_t *data, std::size_t size);

/**
 * Loads @p data as a picture file whose name ends with @p ending, through the image factory, and
 * checks what loaded: the size the image reports is the picture's, every pixel is validly
 * premultiplied (no colour above its alpha) and a picture without alpha is opaque. A refused
 * file is fine; a crash, a leak or an invalid picture is not.
 */
int fuzzImageFile(const std::uint8_t *data, std::size_t size, const char *ending);
} // namespace Corvane::Fuzzing
