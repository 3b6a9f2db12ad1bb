#include "framework/gui/graphics/CBaseImage.hpp"

#include "framework/basics/CException.hpp"
#include "framework/basics/TextBuffer.hpp"

#include <cairo.h>

namespace Corvane::GUI::Graphics
{
CBaseImage::CBaseImage(bool hasAlpha) : m_hasAlpha(hasAlpha), m_fileName(" ")
{
}

CBaseImage::~CBaseImage() = default;

void CBaseImage::getObjectDescription(char *text, long size) const
{
    Basics::CString description("No Image loaded");
    if (m_loaded)
        description.setStringWithFormat("File loaded is = %s", m_fileName.getString());
    Basics::copyTextToBuffer(description.getString(), text, size);
}

const MathTools::CDimension &CBaseImage::getImageSize() const
{
    return m_size;
}

const MathTools::CRect &CBaseImage::getNormalisedImageArea() const
{
    return m_area;
}

const Basics::CSystemString &CBaseImage::getFilename() const
{
    return m_fileName;
}

void CBaseImage::unloadImage()
{
    m_loaded = false;
    forgetFilename();
    m_size.setDimension(0, 0);
    m_area.setRect(0, 0, 0, 0);
    m_bitmap.reset();
}

bool CBaseImage::hasAlpha() const
{
    return m_hasAlpha;
}

bool CBaseImage::isLoaded() const
{
    return m_loaded;
}

cairo_surface_t *CBaseImage::getImageHandle() const
{
    return m_bitmap.get();
}

const Basics::CString &CBaseImage::getLastError() const
{
    return m_lastError;
}

void CBaseImage::loadOrThrow(const Basics::CSystemString &path, const char *functionName)
{
    if (loadFromFile(path))
        return;
    Basics::CString reason("Failed to load ");
    reason += path;
    reason += "\nThe reason was : ";
    reason += m_lastError;
    throw Exceptions::CException(reason, functionName);
}

bool CBaseImage::startLoading(const Basics::CSystemString &path, bool endingAccepted, const char *wrongEndingReason)
{
    unloadImage();
    m_fileName = path;
    return endingAccepted || failLoading(wrongEndingReason);
}

bool CBaseImage::failLoading(const char *reason)
{
    m_lastError = reason;
    return false;
}

bool CBaseImage::failLoading(const Basics::CString &reason)
{
    return failLoading(reason.getString());
}

bool CBaseImage::finishLoading(PictureSurface picture)
{
    cairo_surface_mark_dirty(picture.get());
    const long width = cairo_image_surface_get_width(picture.get());
    const long height = cairo_image_surface_get_height(picture.get());
    m_bitmap = std::move(picture);
    m_size.setDimension(width, height);
    m_area.setRect(0, 0, width, height);
    m_loaded = true;
    return true;
}

void CBaseImage::forgetFilename()
{
    m_fileName = " ";
}

bool CBaseImage::endsWithAny(const Basics::CSystemString &path, std::initializer_list<const char *> endings)
{
    for (const char *ending : endings)
        if (path.endsWith(ending))
            return true;
    return false;
}
} // namespace Corvane::GUI::Graphics
