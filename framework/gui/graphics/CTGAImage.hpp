#pragma once

#include "framework/gui/graphics/CBaseImage.hpp"

namespace Corvane::IO
{
class CFileStream;
}

namespace Corvane::GUI::Graphics
{
/**
 * A Targa picture, read by our own reader. Only one kind is accepted, the one our tools write:
 * uncompressed 32-bit true colour with 8 alpha bits, no identification field and no colour map,
 * rows stored from the bottom up (image descriptor 8). Pixels are blue, green, red, alpha.
 */
class CTGAImage : public CBaseImage, private Basics::TInstanceCounter<CTGAImage>
{
public:
    CORVANE_DECLARE_CLASS

    /** The header's fixed size; the pixels follow it directly. */
    static constexpr long HEADER_SIZE = 18;

    /** Loads @p path; throws CException when it cannot. */
    explicit CTGAImage(const Basics::CSystemString &path);

    long getImageType() const override;
    bool loadFromFile(const Basics::CSystemString &path) override;

    /** True for a path ending "tga" or "TGA". */
    static bool isTargaFilename(const Basics::CSystemString &path);

private:
    /** Refuses the file: its name is forgotten and @p reason kept; false. */
    bool refuseFile(const char *reason);
    /** Reads the pixels after the header into @p picture, bottom row first, premultiplying. */
    static void readPixels(IO::CFileStream &file, cairo_surface_t *picture);
};
} // namespace Corvane::GUI::Graphics
