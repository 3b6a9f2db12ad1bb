#include "framework/gui/graphics/CClip.hpp"

#include "framework/basics/CException.hpp"
#include "framework/gui/graphics/CairoDrawing.hpp"

namespace Corvane::GUI::Graphics
{
void CClip::intialised(CNativeImage *image, const MathTools::CRect &area, void *)
{
    if (image == nullptr)
        throw Exceptions::CException("Native image is NULL", "CClip::intialised(CNativeImage *, const CRect &, void *)");
    m_nativeImage = image;
    m_wholeArea = area;
    m_clipRectangle = area;
    m_initialised = true;
}

void CClip::uninitialise()
{
    // Every clip this object applied comes off, so a target that outlives the binding is left as
    // it was found even when the callers' setClip and releaseClip did not pair up.
    if (isBound() && !m_savedClips.empty())
        apply(m_savedClips.front());
    m_savedClips.clear();
    m_appliedClip.reset();
    m_nativeImage = nullptr;
    m_initialised = false;
    m_clipSet = false;
}

void CClip::setClip(const MathTools::CRect &area)
{
    m_clipRectangle = area;
    if (!isBound())
        return;
    m_savedClips.push_back(m_appliedClip);
    apply(area);
    m_clipSet = true;
}

void CClip::getClip(MathTools::CRect &area) const
{
    area = m_clipRectangle;
}

void CClip::releaseClip()
{
    if (!isBound() || !m_clipSet || m_savedClips.empty())
        return;
    apply(m_savedClips.back());
    m_savedClips.pop_back();
}

bool CClip::isBound() const
{
    return m_initialised && m_nativeImage != nullptr && m_nativeImage->isInitialised();
}

void CClip::apply(const ClipState &state)
{
    cairo_t *target = m_nativeImage->getDrawingTarget();
    cairo_reset_clip(target);
    if (state)
    {
        // cairo would take a negative size as the area on the other side of the corner; an
        // empty intersection must hide everything instead.
        if (state->getWidth() > 0 && state->getHeight() > 0)
            cairo_rectangle(target, state->getLeft(), state->getTop(), state->getWidth(), state->getHeight());
        else
            cairo_rectangle(target, 0, 0, 0, 0);
        cairo_clip(target);
    }
    m_appliedClip = state;
}
} // namespace Corvane::GUI::Graphics
