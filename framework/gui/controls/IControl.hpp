#pragma once

#include "framework/basics/ICountedObject.hpp"
#include "framework/basics/TPointerCollection.hpp"
#include "framework/gui/controls/EventListeners.hpp"
#include "framework/mathtools/CAlphaColour.hpp"
#include "framework/mathtools/CRect.hpp"

namespace Corvane::IO
{
class CXMLNode;
}

namespace Corvane::GUI::Graphics
{
class CBaseImage;
class CGraphics;
} // namespace Corvane::GUI::Graphics

namespace Corvane::GUI::Controls
{
class CControlDescriptor;
struct IControlRoot;

/**
 * A visible element inside a window, as the control tree, the window and the application see it.
 * A control is the receiver of the mouse, key and dropped-file events its root routes to it. Its
 * area is given in the coordinates of the root that holds it; its window area is the same area in
 * the window's coordinates, and its normalised area (0, 0, width, height) is what it draws in.
 */
struct IControl : public Basics::ICountedObject,
                  public IMouseEventListener,
                  public IKeyboardEventListener,
                  public IDropFileEventListener
{
    /** Throws CException for a null root. */
    virtual void setControlRoot(IControlRoot *root) = 0;
    virtual IControlRoot *getControlRoot() const = 0;
    /** The panel that holds the control; null on a window's own root. */
    virtual void setParentControl(IControl *parent) = 0;
    virtual IControl *getParentControl() const = 0;
    virtual void setActionListener(IActionListener *listener) = 0;
    virtual IActionListener *getActionListener() const = 0;

    virtual void setMouseEnabled(bool enabled) = 0;
    virtual void setDropFileEnabled(bool enabled) = 0;
    virtual void setKeyboardEnabled(bool enabled) = 0;
    virtual bool isMouseEnabled() const = 0;
    virtual bool isDropFileEnabled() const = 0;
    virtual bool isKeyboardEnabled() const = 0;
    virtual bool needsRightClick() const = 0;

    /** Adds the control's properties to @p node as attributes; answers false. */
    virtual bool serialiseToNode(IO::CXMLNode &node) const = 0;
    /**
     * Appends a new, empty descriptor for each property the control knows, in table order. The
     * descriptors start unreferenced: a TCountedPointerArray holds them and frees them with itself.
     */
    virtual void getPropertyDescriptors(Basics::TPointerCollection<CControlDescriptor> &list) const = 0;
    /** Applies the descriptor's value; false, changing nothing, for an unknown name or a wrong value. */
    virtual bool setProperty(const CControlDescriptor &descriptor) = 0;
    /** Fills the descriptor's value; false, leaving it alone, for an unknown name. */
    virtual bool getProperty(CControlDescriptor &descriptor) const = 0;

    virtual long getUniqueId() const = 0;
    virtual void setUniqueId(long uniqueId) = 0;
    virtual void setValue(double value) = 0;
    virtual double getValue() const = 0;

    /** Moves and sizes the control and recomputes its window area through its root. */
    virtual void setArea(const MathTools::CRect &area) = 0;
    virtual const MathTools::CRect &getArea() const = 0;
    virtual const MathTools::CRect &getWindowArea() const = 0;
    virtual const MathTools::CDimension &getDimension() const = 0;
    virtual const MathTools::CRect &getNormalisedArea() const = 0;
    virtual bool isContainer() const = 0;

    /** Asks for the control's window area to be repainted later; never draws. */
    virtual void update() = 0;
    /** Draws the control in its normalised coordinates (the root has set the drawing offset). */
    virtual void drawControl(Graphics::CGraphics &graphics) = 0;

    virtual void enable() = 0;
    virtual void disable() = 0;
    virtual bool isEnabled() const = 0;

    virtual void setPrimaryImage(Graphics::CBaseImage *image) = 0;
    virtual void setDisabledImage(Graphics::CBaseImage *image) = 0;
    virtual void setColours(const MathTools::CAlphaColour &background, const MathTools::CAlphaColour &frame) = 0;
    virtual void setDefaultControlDrawing(bool defaultDrawing) = 0;
    /** Draws the disabled image when disabled; answers whether the control is enabled. */
    virtual bool drawDisabledControl(Graphics::CGraphics &graphics) = 0;
    /** The primary image, or with @p drawDefault the background fill and the frame. */
    virtual void drawBackground(Graphics::CGraphics &graphics, bool drawDefault) = 0;
    /** Answers whether there was a primary image to draw. */
    virtual bool drawPrimaryImage(Graphics::CGraphics &graphics) = 0;
};
} // namespace Corvane::GUI::Controls
