#pragma once

#include "framework/basics/CSystemString.hpp"
#include "framework/basics/TCounted.hpp"
#include "framework/gui/graphics/ImagePixels.hpp"
#include "framework/mathtools/CRect.hpp"

#include <initializer_list>

namespace Corvane::GUI::Graphics
{
/**
 * A picture loaded from a file, shared by counted reference between the controls that show it.
 * Whatever the file's format, the loaded picture is one cairo ARGB32 image surface with
 * premultiplied colour (blue in the lowest byte of each word), which the graphics surface copies
 * or blends. hasAlpha() says whether its alpha means anything: a JPEG's is simply opaque.
 *
 * A failed load leaves no picture and says why in getLastError(); the constructors of the
 * image kinds turn that into an exception, so a constructed image always holds its picture.
 *
 * Images start a branch of the class tree of their own: the base is counted by TCounted and has
 * no class record, so each image kind counts only in its own record, whose parent name
 * "CBaseImage" ends the walk of isTypeOf.
 */
class CBaseImage : public Basics::TCounted<Basics::ICountedObject>
{
public:
    static constexpr long TARGA_IMAGE = 1;
    static constexpr long PNG_IMAGE = 2;
    static constexpr long JPEG_IMAGE = 3;

    CBaseImage(const CBaseImage &) = delete;
    CBaseImage &operator=(const CBaseImage &) = delete;
    ~CBaseImage() override;

    /** "No Image loaded", or "File loaded is = " followed by the file name. */
    void getObjectDescription(char *text, long size) const override;

    virtual const MathTools::CDimension &getImageSize() const;
    /** (0, 0, width, height). */
    virtual const MathTools::CRect &getNormalisedImageArea() const;
    /** TARGA_IMAGE, PNG_IMAGE or JPEG_IMAGE. */
    virtual long getImageType() const = 0;
    virtual const Basics::CSystemString &getFilename() const;
    /** Replaces the picture with the one in @p path; false, with the reason kept, when that fails. */
    virtual bool loadFromFile(const Basics::CSystemString &path) = 0;
    /** Frees the picture; the file name becomes a single blank and the size (0, 0). */
    virtual void unloadImage();
    virtual bool hasAlpha() const;
    virtual bool isLoaded() const;
    /** The picture, owned by the image; null when nothing is loaded. */
    virtual cairo_surface_t *getImageHandle() const;

    /** Why the last load failed. */
    const Basics::CString &getLastError() const;

protected:
    explicit CBaseImage(bool hasAlpha);

    /** What the constructors of the image kinds do: loads, or throws naming @p functionName. */
    void loadOrThrow(const Basics::CSystemString &path, const char *functionName);

    /**
     * The first step of every load: frees the old picture, so that a failed load never leaves
     * one under another file's name, and records @p path. False, with @p wrongEndingReason as
     * the reason, when @p endingAccepted is false.
     */
    bool startLoading(const Basics::CSystemString &path, bool endingAccepted, const char *wrongEndingReason);
    /** Keeps @p reason as the last error; always false, for the loader to return. */
    bool failLoading(const char *reason);
    bool failLoading(const Basics::CString &reason);
    /** Makes @p picture, whose pixels the loader wrote directly, the loaded picture; true. */
    bool finishLoading(PictureSurface picture);
    /** Sets the file name to the single blank that stands for none. */
    void forgetFilename();

    /** True when @p path ends with one of @p endings, compared exactly. */
    static bool endsWithAny(const Basics::CSystemString &path, std::initializer_list<const char *> endings);

private:
    bool m_hasAlpha;
    bool m_loaded = false;
    MathTools::CDimension m_size;
    MathTools::CRect m_area;
    Basics::CSystemString m_fileName;
    Basics::CString m_lastError;
    PictureSurface m_bitmap;
};
} // namespace Corvane::GUI::Graphics
