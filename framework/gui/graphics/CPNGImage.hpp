#pragma once

#include "framework/gui/graphics/CBaseImage.hpp"
#include "framework/gui/graphics/ImagePixels.hpp"

#include <string>
#include <vector>

namespace Corvane::GUI::Graphics
{
/**
 * A PNG picture, decoded by libpng. Every PNG kind (grey, palette, 16-bit, with or without
 * transparency) arrives as 8-bit colour with alpha, premultiplied on loading.
 */
class CPNGImage : public CBaseImage, private Basics::TInstanceCounter<CPNGImage>
{
public:
    CORVANE_DECLARE_CLASS

    /** Loads @p path; throws CException when it cannot. */
    explicit CPNGImage(const Basics::CSystemString &path);

    long getImageType() const override;
    bool loadFromFile(const Basics::CSystemString &path) override;

    /** True for a path ending "png" or "PNG". */
    static bool isPNGFilename(const Basics::CSystemString &path);

    /**
     * The picture a whole PNG file's bytes hold, or null with the reason in @p error. It makes no
     * counted object, so any thread may decode.
     */
    static PictureSurface decodeFile(const std::vector<unsigned char> &file, std::string &error);
};
} // namespace Corvane::GUI::Graphics
