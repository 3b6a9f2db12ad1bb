#pragma once

#include "framework/basics/CClass.hpp"
#include "framework/basics/TCounted.hpp"
#include "framework/basics/TCountedReference.hpp"
#include "framework/gui/controls/IControl.hpp"
#include "framework/gui/graphics/CBaseImage.hpp"

#include <cstdint>

namespace Corvane::GUI::Controls
{
/**
 * The base of every control. It keeps the control's place in its root (area, window area and
 * normalised area, always recomputed together by setArea), its input flags, its pictures (held
 * by counted reference) and colours, a free numeric value and the unique id the application
 * knows it by. It answers every event by doing nothing and draws nothing itself; subclasses
 * override the handlers they need and drawControl, and use the drawing helpers here.
 *
 * The count is the control's own and starts at 0: the root that holds the control references it.
 * Its class record "CControl" starts a branch of the class tree.
 */
class CControl : public Basics::TCounted<IControl>, private Basics::TInstanceCounter<CControl>
{
public:
    CORVANE_DECLARE_CLASS

    /** Mouse-enabled, enabled, value 1.0, white background, black frame. Throws for a null root. */
    CControl(IControlRoot *root, long uniqueId, const MathTools::CRect &area, IActionListener *listener);
    CControl(const CControl &) = delete;
    CControl &operator=(const CControl &) = delete;
    ~CControl() override;

    /** "Control", cut to the buffer. */
    void getObjectDescription(char *text, long size) const override;

    void setControlRoot(IControlRoot *root) override;
    IControlRoot *getControlRoot() const override { return m_controlRoot; }
    void setParentControl(IControl *parent) override { m_parentControl = parent; }
    IControl *getParentControl() const override { return m_parentControl; }
    void setActionListener(IActionListener *listener) override { m_actionListener = listener; }
    IActionListener *getActionListener() const override { return m_actionListener; }

    void setMouseEnabled(bool enabled) override { m_mouseEnabled = enabled; }
    void setDropFileEnabled(bool enabled) override { m_dropFileEnabled = enabled; }
    void setKeyboardEnabled(bool enabled) override { m_keyboardEnabled = enabled; }
    bool isMouseEnabled() const override { return m_mouseEnabled; }
    bool isDropFileEnabled() const override { return m_dropFileEnabled; }
    bool isKeyboardEnabled() const override { return m_keyboardEnabled; }
    bool needsRightClick() const override { return m_needsRightClick; }

    bool serialiseToNode(IO::CXMLNode &node) const override;
    void getPropertyDescriptors(Basics::TPointerCollection<CControlDescriptor> &list) const override;
    bool setProperty(const CControlDescriptor &descriptor) override;
    bool getProperty(CControlDescriptor &descriptor) const override;

    long getUniqueId() const override { return m_uniqueId; }
    void setUniqueId(long uniqueId) override { m_uniqueId = static_cast<std::int32_t>(uniqueId); }
    void setValue(double value) override { m_value = value; }
    double getValue() const override { return m_value; }

    void setArea(const MathTools::CRect &area) override;
    const MathTools::CRect &getArea() const override { return m_area; }
    const MathTools::CRect &getWindowArea() const override { return m_windowArea; }
    const MathTools::CDimension &getDimension() const override { return m_dimension; }
    const MathTools::CRect &getNormalisedArea() const override { return m_normalisedArea; }
    bool isContainer() const override { return false; }

    void update() override;
    void drawControl(Graphics::CGraphics &graphics) override;

    void enable() override { m_enabled = true; }
    void disable() override { m_enabled = false; }
    bool isEnabled() const override { return m_enabled; }

    void setPrimaryImage(Graphics::CBaseImage *image) override { m_primaryImage.reset(image); }
    void setDisabledImage(Graphics::CBaseImage *image) override { m_disabledImage.reset(image); }
    Graphics::CBaseImage *getPrimaryImage() const { return m_primaryImage.get(); }
    Graphics::CBaseImage *getDisabledImage() const { return m_disabledImage.get(); }
    void setColours(const MathTools::CAlphaColour &background, const MathTools::CAlphaColour &frame) override;
    const MathTools::CAlphaColour &getBackgroundColour() const { return m_backgroundColour; }
    const MathTools::CAlphaColour &getFrameColour() const { return m_frameColour; }
    void setDefaultControlDrawing(bool defaultDrawing) override { m_defaultDrawing = defaultDrawing; }
    bool isDefaultControlDrawing() const { return m_defaultDrawing; }

    bool drawDisabledControl(Graphics::CGraphics &graphics) override;
    void drawBackground(Graphics::CGraphics &graphics, bool drawDefault) override;
    bool drawPrimaryImage(Graphics::CGraphics &graphics) override;

    void handleLeftButtonDown(CMouseEvent &event) override;
    void handleLeftButtonUp(CMouseEvent &event) override;
    void handleRightButtonDown(CMouseEvent &event) override;
    void handleRightButtonUp(CMouseEvent &event) override;
    void handleDoubleClick(CMouseEvent &event) override;
    void handleMouseScroll(CMouseEvent &event) override;
    void handleMouseMovement(CMouseEvent &event) override;
    void handleMouseLeavingArea(CMouseEvent &event) override;
    bool handleKeyDown(const CKeyboardEvent &event) override;
    bool handleKeyUp(const CKeyboardEvent &event) override;
    void handleFileDrop(const CDropEvent &event) override;

protected:
    void setNeedsRightClick(bool needsRightClick) { m_needsRightClick = needsRightClick; }
    /** Draws @p image, whole, over the normalised area. */
    void drawOverNormalisedArea(Graphics::CGraphics &graphics, const Graphics::CBaseImage &image) const;
    /** Outlines the normalised area in the frame colour. */
    void drawFrame(Graphics::CGraphics &graphics) const;

private:
    IActionListener *m_actionListener;
    IControlRoot *m_controlRoot = nullptr;
    IControl *m_parentControl = nullptr;
    bool m_mouseEnabled = true;
    bool m_keyboardEnabled = false;
    bool m_dropFileEnabled = false;
    bool m_needsRightClick = false;
    bool m_enabled = true;
    bool m_defaultDrawing = false;
    std::int32_t m_uniqueId;
    double m_value = 1.0;
    MathTools::CRect m_area;
    MathTools::CDimension m_dimension;
    MathTools::CRect m_windowArea;
    MathTools::CRect m_normalisedArea;
    Basics::TCountedReference<Graphics::CBaseImage> m_primaryImage;
    Basics::TCountedReference<Graphics::CBaseImage> m_disabledImage;
    MathTools::CAlphaColour m_frameColour{0, 0, 0, 255};
    MathTools::CAlphaColour m_backgroundColour{255, 255, 255, 255};
};
} // namespace Corvane::GUI::Controls
