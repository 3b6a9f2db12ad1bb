#include "framework/gui/controls/CControl.hpp"

#include "framework/basics/CBool.hpp"
#include "framework/basics/CException.hpp"
#include "framework/basics/CLong.hpp"
#include "framework/basics/TextBuffer.hpp"
#include "framework/gui/controls/IControlRoot.hpp"
#include "framework/gui/controls/TControlProperty.hpp"
#include "framework/gui/graphics/CGraphics.hpp"
#include "framework/gui/graphics/CImageManager.hpp"
#include "framework/io/CXMLNode.hpp"

namespace Corvane::GUI::Controls
{
using Basics::CBool;
using Basics::CLong;
using Basics::CString;
using Graphics::CImageManager;
using MathTools::CAlphaColour;
using MathTools::CRect;

CORVANE_DEFINE_CLASS(CControl, "CControl", "UndefinedParent")

namespace
{
using Property = TControlProperty<CControl>;

template <bool (CControl::*Get)() const> void readFlag(const CControl &control, CControlDescriptor &descriptor)
{
    descriptor.setValue(new CBool((control.*Get)()));
}

template <void (CControl::*Set)(bool)> bool writeFlag(CControl &control, const CControlDescriptor &descriptor)
{
    (control.*Set)(descriptorValue<CBool>(descriptor).getValue());
    return true;
}

bool writeEnabled(CControl &control, const CControlDescriptor &descriptor)
{
    if (descriptorValue<CBool>(descriptor).getValue())
        control.enable();
    else
        control.disable();
    return true;
}

template <Graphics::CBaseImage *(CControl::*Get)() const>
void readImageName(const CControl &control, CControlDescriptor &descriptor)
{
    descriptor.setValue(new CString(CImageManager::getReferenceName((control.*Get)())));
}

template <void (CControl::*Set)(Graphics::CBaseImage *)>
bool writeImageName(CControl &control, const CControlDescriptor &descriptor)
{
    (control.*Set)(CImageManager::getImage(descriptorValue<CString>(descriptor)));
    return true;
}

template <const CAlphaColour &(CControl::*Get)() const>
void readColour(const CControl &control, CControlDescriptor &descriptor)
{
    descriptor.setValue(new CAlphaColour((control.*Get)()));
}

const Property PROPERTIES[] = {
    {"Control ID", CControlDescriptor::WHOLE_NUMBER,
     [](const CControl &control, CControlDescriptor &descriptor)
     { descriptor.setValue(new CLong(control.getUniqueId())); },
     [](CControl &control, const CControlDescriptor &descriptor)
     {
         control.setUniqueId(descriptorValue<CLong>(descriptor).getValue());
         return true;
     }},
    {"Mouse Enabled", CControlDescriptor::YES_NO, readFlag<&CControl::isMouseEnabled>,
     writeFlag<&CControl::setMouseEnabled>},
    {"Keyboard Enabled", CControlDescriptor::YES_NO, readFlag<&CControl::isKeyboardEnabled>,
     writeFlag<&CControl::setKeyboardEnabled>},
    {"Drop File Enabled", CControlDescriptor::YES_NO, readFlag<&CControl::isDropFileEnabled>,
     writeFlag<&CControl::setDropFileEnabled>},
    {"Is Enabled", CControlDescriptor::YES_NO, readFlag<&CControl::isEnabled>, writeEnabled},
    {"Default Drawing", CControlDescriptor::YES_NO, readFlag<&CControl::isDefaultControlDrawing>,
     writeFlag<&CControl::setDefaultControlDrawing>},
    {"Area", CControlDescriptor::AREA,
     [](const CControl &control, CControlDescriptor &descriptor) { descriptor.setValue(new CRect(control.getArea())); },
     [](CControl &control, const CControlDescriptor &descriptor)
     {
         control.setArea(descriptorValue<CRect>(descriptor));
         return true;
     }},
    {"Primary Image", CControlDescriptor::IMAGE, readImageName<&CControl::getPrimaryImage>,
     writeImageName<&CControl::setPrimaryImage>},
    {"Disabled Image", CControlDescriptor::IMAGE, readImageName<&CControl::getDisabledImage>,
     writeImageName<&CControl::setDisabledImage>},
    {"Frame Colour", CControlDescriptor::COLOUR, readColour<&CControl::getFrameColour>,
     [](CControl &control, const CControlDescriptor &descriptor)
     {
         control.setColours(control.getBackgroundColour(), descriptorValue<CAlphaColour>(descriptor));
         return true;
     }},
    {"Background Colour", CControlDescriptor::COLOUR, readColour<&CControl::getBackgroundColour>,
     [](CControl &control, const CControlDescriptor &descriptor)
     {
         control.setColours(descriptorValue<CAlphaColour>(descriptor), control.getFrameColour());
         return true;
     }},
};

CString numbersText(long first, long second, long third, long fourth)
{
    CString text;
    text.setStringWithFormat("%li, %li, %li, %li", first, second, third, fourth);
    return text;
}

CString colourText(const CAlphaColour &colour)
{
    return numbersText(colour.getRed(), colour.getGreen(), colour.getBlue(), colour.getAlpha());
}
} // namespace

CControl::CControl(IControlRoot *root, long uniqueId, const CRect &area, IActionListener *listener)
    : m_actionListener(listener), m_uniqueId(static_cast<std::int32_t>(uniqueId))
{
    setControlRoot(root);
    setArea(area);
}

CControl::~CControl() = default;

void CControl::getObjectDescription(char *text, long size) const
{
    Basics::copyTextToBuffer("Control", text, size);
}

void CControl::setControlRoot(IControlRoot *root)
{
    if (root == nullptr)
        throw Exceptions::CException("Control root is null", "CControl::setControlRoot(IControlRoot *)");
    m_controlRoot = root;
}

bool CControl::serialiseToNode(IO::CXMLNode &node) const
{
    node.addAttribute(new IO::CXMLAttribute("control_is_mouse_enabled", m_mouseEnabled));
    node.addAttribute(new IO::CXMLAttribute("control_is_key_enabled", m_keyboardEnabled));
    node.addAttribute(new IO::CXMLAttribute("control_is_drop_enabled", m_dropFileEnabled));
    node.addAttribute(new IO::CXMLAttribute("control_needs_right_click", m_needsRightClick));
    node.addAttribute(new IO::CXMLAttribute("control_is_enabled", m_enabled));
    node.addAttribute(new IO::CXMLAttribute("control_should_default_draw", m_defaultDrawing));
    node.addAttribute(new IO::CXMLAttribute("control_unique_id", getUniqueId()));
    node.addAttribute(new IO::CXMLAttribute("control_value", m_value));
    node.addAttribute("control_area",
                      numbersText(m_area.getLeft(), m_area.getTop(), m_area.getWidth(), m_area.getHeight()));
    node.addAttribute("control_primary_image", CImageManager::getReferenceName(getPrimaryImage()));
    node.addAttribute("control_disabled_image", CImageManager::getReferenceName(getDisabledImage()));
    node.addAttribute("control_frame_colour", colourText(m_frameColour));
    node.addAttribute("control_background_colour", colourText(m_backgroundColour));
    return false;
}

void CControl::getPropertyDescriptors(Basics::TPointerCollection<CControlDescriptor> &list) const
{
    appendControlProperties(PROPERTIES, list);
}

bool CControl::setProperty(const CControlDescriptor &descriptor)
{
    const Property *row = findControlProperty(PROPERTIES, descriptor.getName());
    return row != nullptr && applyControlProperty(*row, *this, descriptor);
}

bool CControl::getProperty(CControlDescriptor &descriptor) const
{
    return readControlProperty(PROPERTIES, *this, descriptor);
}

void CControl::setArea(const CRect &area)
{
    m_area = area;
    m_dimension.setDimension(area.getWidth(), area.getHeight());
    m_normalisedArea.setRect(0, 0, area.getWidth(), area.getHeight());
    MathTools::CPoint position;
    m_controlRoot->getWindowPositionOfControl(this, position);
    m_windowArea.setRect(position, m_dimension);
}

void CControl::update()
{
    m_controlRoot->updateControl(this);
}

void CControl::drawControl(Graphics::CGraphics &)
{
}

void CControl::setColours(const CAlphaColour &background, const CAlphaColour &frame)
{
    m_backgroundColour = background;
    m_frameColour = frame;
}

bool CControl::drawDisabledControl(Graphics::CGraphics &graphics)
{
    if (!m_enabled && m_disabledImage)
        drawOverNormalisedArea(graphics, *m_disabledImage);
    return m_enabled;
}

void CControl::drawBackground(Graphics::CGraphics &graphics, bool drawDefault)
{
    if (drawPrimaryImage(graphics) || !drawDefault)
        return;
    graphics.getBrush().setColour(m_backgroundColour);
    graphics.fillRectangle(m_normalisedArea);
    drawFrame(graphics);
}

bool CControl::drawPrimaryImage(Graphics::CGraphics &graphics)
{
    if (!m_primaryImage)
        return false;
    drawOverNormalisedArea(graphics, *m_primaryImage);
    return true;
}

void CControl::drawOverNormalisedArea(Graphics::CGraphics &graphics, const Graphics::CBaseImage &image) const
{
    graphics.drawImage(&image, m_normalisedArea, image.getNormalisedImageArea());
}

void CControl::drawFrame(Graphics::CGraphics &graphics) const
{
    graphics.getPen().setColour(m_frameColour);
    graphics.drawRectangle(m_normalisedArea);
}

// A control ignores all input until a subclass says otherwise.
void CControl::handleLeftButtonDown(CMouseEvent &) {}
void CControl::handleLeftButtonUp(CMouseEvent &) {}
void CControl::handleRightButtonDown(CMouseEvent &) {}
void CControl::handleRightButtonUp(CMouseEvent &) {}
void CControl::handleDoubleClick(CMouseEvent &) {}
void CControl::handleMouseScroll(CMouseEvent &) {}
void CControl::handleMouseMovement(CMouseEvent &) {}
void CControl::handleMouseLeavingArea(CMouseEvent &) {}
void CControl::handleFileDrop(const CDropEvent &) {}

bool CControl::handleKeyDown(const CKeyboardEvent &)
{
    return false;
}

bool CControl::handleKeyUp(const CKeyboardEvent &)
{
    return false;
}
} // namespace Corvane::GUI::Controls
