#pragma once

#include "framework/gui/graphics/CBaseImage.hpp"

namespace Corvane::GUI::Graphics
{
/** A JPEG picture, decoded by libjpeg-turbo: opaque, so hasAlpha() is false. */
class CJPEGImage : public CBaseImage, private Basics::TInstanceCounter<CJPEGImage>
{
public:
    CORVANE_DECLARE_CLASS

    /** Loads @p path; throws CException when it cannot. */
    explicit CJPEGImage(const Basics::CSystemString &path);

    long getImageType() const override;
    bool loadFromFile(const Basics::CSystemString &path) override;

    /** True for a path ending "jpg", "jpeg", "JPG" or "JPEG". */
    static bool isJPEGFilename(const Basics::CSystemString &path);
};
} // namespace Corvane::GUI::Graphics
