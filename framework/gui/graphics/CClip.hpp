#pragma once

#include "framework/gui/graphics/CNativeImage.hpp"

#include <optional>
#include <vector>

namespace Corvane::GUI::Graphics
{
/**
 * The clip rectangle of a native image's drawing target. Each setClip replaces the clip (it does
 * not narrow the one before) and remembers what it replaced, so releaseClip goes back one step:
 * a control drawn inside a panel gets its own area and the panel's returns after it.
 * Rectangles are in the picture's pixels; no drawing offset applies to them.
 */
class CClip
{
public:
    CClip() = default;
    CClip(const CClip &) = delete;
    CClip &operator=(const CClip &) = delete;
    virtual ~CClip() = default;

    /**
     * Binds the clip to @p image with @p area as the whole area and the current clip; the last
     * argument is not used. Throws a CException for a null image.
     */
    void intialised(CNativeImage *image, const MathTools::CRect &area, void *unused = nullptr);
    /** Restores the target as it was before the first setClip, then forgets the image. */
    void uninitialise();

    /**
     * Remembers @p area; when bound, the target draws only inside it from now on. An area of no
     * width or height (an empty intersection) clips everything away.
     */
    void setClip(const MathTools::CRect &area);
    void getClip(MathTools::CRect &area) const;
    /** Goes back to the clip that the most recent unreleased setClip replaced; none left, no change. */
    void releaseClip();

    bool isInitialised() const { return m_initialised; }
    bool isClipSet() const { return m_clipSet; }
    const MathTools::CRect &getWholeArea() const { return m_wholeArea; }

private:
    /** A clip state of the target: a rectangle, or none (the whole picture). */
    using ClipState = std::optional<MathTools::CRect>;

    bool isBound() const;
    void apply(const ClipState &state);

    bool m_clipSet = false;
    MathTools::CRect m_wholeArea;
    MathTools::CRect m_clipRectangle;
    CNativeImage *m_nativeImage = nullptr;
    bool m_initialised = false;
    ClipState m_appliedClip;
    std::vector<ClipState> m_savedClips;
};
} // namespace Corvane::GUI::Graphics
