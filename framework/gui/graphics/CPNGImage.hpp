#pragma once

#include "framework/gui/graphics/CBaseImage.hpp"

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
};
} // namespace Corvane::GUI::Graphics
