#include "framework/gui/controls/CTextEdit.hpp"

#include "framework/basics/CBool.hpp"
#include "framework/basics/CLong.hpp"
#include "framework/gui/controls/CActionEvent.hpp"
#include "framework/gui/controls/CMouseEvent.hpp"
#include "framework/gui/controls/IControlRoot.hpp"
#include "framework/gui/controls/TControlProperty.hpp"
#include "framework/gui/windows/IWindow.hpp"

namespace Corvane::GUI::Controls
{
using Basics::CBool;
using Basics::CLong;
using Basics::CString;
using MathTools::CPoint;

CORVANE_DEFINE_CLASS(CTextEdit, "CTextEdit", "CTextLabel")

namespace
{
using Property = TControlProperty<CTextEdit>;

const char *const POPUP_ALIGNMENT_NAMES[] = {"Left", "Center", "Right"};

template <bool (CTextEdit::*Get)() const> void readFlag(const CTextEdit &edit, CControlDescriptor &descriptor)
{
    descriptor.setValue(new CBool((edit.*Get)()));
}

template <void (CTextEdit::*Set)(bool)> bool writeFlag(CTextEdit &edit, const CControlDescriptor &descriptor)
{
    (edit.*Set)(descriptorValue<CBool>(descriptor).getValue());
    return true;
}

const Property PROPERTIES[] = {
    {"Text Limit", CControlDescriptor::WHOLE_NUMBER,
     [](const CTextEdit &edit, CControlDescriptor &descriptor)
     { descriptor.setValue(new CLong(edit.isTextLimited() ? edit.getTextLimit() : -1)); },
     [](CTextEdit &edit, const CControlDescriptor &descriptor)
     {
         const long limit = descriptorValue<CLong>(descriptor).getValue();
         edit.setTextLimit(limit > 0, limit);
         return true;
     }},
    {"Editable", CControlDescriptor::YES_NO, readFlag<&CTextEdit::isEditable>, writeFlag<&CTextEdit::setEditable>},
    {"Single Click", CControlDescriptor::YES_NO, readFlag<&CTextEdit::isSingleClick>,
     writeFlag<&CTextEdit::setSingleClick>},
    {"Popup Alignment", CControlDescriptor::CHOICE,
     [](const CTextEdit &edit, CControlDescriptor &descriptor)
     { setChoiceValue(descriptor, POPUP_ALIGNMENT_NAMES, edit.getPopupAlignment()); },
     [](CTextEdit &edit, const CControlDescriptor &descriptor)
     {
         if (descriptor.getSelectedIndex() == -1)
             return false;
         edit.setPopupAlignment(descriptor.getSelectedIndex());
         return true;
     }},
};
} // namespace

CTextEdit::CTextEdit(IControlRoot *root, long uniqueId, const MathTools::CRect &area, const CString &text,
                     IActionListener *listener)
    : CTextLabel(root, uniqueId, area, text)
{
    setActionListener(listener);
    setMouseEnabled(true);
}

CTextEdit::~CTextEdit() = default;

void CTextEdit::setTextLimit(bool limitText, long limit)
{
    m_limitText = limitText;
    m_textLimit = static_cast<std::int32_t>(limit);
}

void CTextEdit::setPopupAlignment(long alignment)
{
    m_popupAlignment = static_cast<std::int32_t>(alignment);
}

void CTextEdit::setEditable(bool editable)
{
    m_editable = editable;
}

void CTextEdit::setSingleClick(bool singleClick)
{
    m_singleClick = singleClick;
}

void CTextEdit::setCancelled(bool cancelled)
{
    m_cancelled = cancelled;
}

IControlRoot &CTextEdit::getWindowRoot() const
{
    return *getControlRoot()->getParentWindow()->getControlRoot();
}

void CTextEdit::startEditing()
{
    // The edit locks itself in its window's own root, even inside a panel, so that every key and
    // press of the window reaches it directly. Its own lock is never the one to give back later.
    IControlRoot &windowRoot = getWindowRoot();
    IControl *locked = windowRoot.getLockedControl();
    if (locked != this && locked != m_savedLock.get())
        m_savedLock.reset(locked);
    windowRoot.lockControl(this);

    m_box.reset();
    SEditBoxLook look;
    look.font = getFont();
    look.textColour = getTextColour();
    look.backgroundColour = getBackgroundColour();
    look.alignment = m_popupAlignment;
    look.limit = m_limitText ? m_textLimit : 0;
    look.framed = isDefaultControlDrawing();
    m_box = std::make_unique<CEditBox>(*getControlRoot()->getParentWindow(), getWindowArea(), look,
                                       static_cast<IEditBoxOwner &>(*this));
    m_box->open(getText());
}

void CTextEdit::finishEditing(bool cancelled)
{
    setCancelled(cancelled);
    handleActionEvent(CActionEvent(this));
}

void CTextEdit::handleActionEvent(const CActionEvent &event)
{
    // Taken first, so that whatever the listener does (a message box takes the focus away) cannot
    // end this editing a second time.
    if (std::unique_ptr<CEditBox> box = std::move(m_box))
    {
        box->close();
        if (!m_cancelled)
        {
            const CString typed = box->getText();
            setText(typed == "" ? CString(" ") : typed);
            if (IActionListener *listener = getActionListener())
                listener->handleActionEvent(event);
        }
        restoreLock();
    }
    update();
}

void CTextEdit::restoreLock()
{
    IControlRoot &windowRoot = getWindowRoot();
    windowRoot.unlockControl();
    // A control the root no longer holds must get no more input from it.
    IControl *saved = m_savedLock.get();
    if (saved != nullptr && windowRoot.isControlAttached(saved))
        windowRoot.lockControl(saved);
    m_savedLock.reset(nullptr);
}

CPoint CTextEdit::getPositionInBox(const CMouseEvent &event) const
{
    CPoint position(event.getMousePosition());
    position += getArea().getOrigin();
    position -= getWindowArea().getOrigin();
    return position;
}

void CTextEdit::drawControl(Graphics::CGraphics &graphics)
{
    if (m_box)
        m_box->draw(graphics);
    else
        CTextLabel::drawControl(graphics);
}

void CTextEdit::handleLeftButtonDown(CMouseEvent &event)
{
    if (m_box)
        m_box->handlePress(getPositionInBox(event), event.isShiftDown());
    else if (m_singleClick)
        startEditing();
}

void CTextEdit::handleLeftButtonUp(CMouseEvent &)
{
    if (m_box)
        m_box->handleRelease();
}

void CTextEdit::handleDoubleClick(CMouseEvent &event)
{
    // A second quick click on a closed single-click edit (one that was just committed, say) is
    // still the press that opens it.
    if (m_box)
        m_box->handleDoubleClick(getPositionInBox(event));
    else if (m_singleClick || m_editable)
        startEditing();
}

void CTextEdit::handleMouseMovement(CMouseEvent &event)
{
    if (m_box)
        m_box->handleMovement(getPositionInBox(event));
}

bool CTextEdit::handleKeyDown(const CKeyboardEvent &event)
{
    return m_box ? m_box->handleKeyDown(event) : CTextLabel::handleKeyDown(event);
}

bool CTextEdit::handleKeyUp(const CKeyboardEvent &event)
{
    return m_box ? true : CTextLabel::handleKeyUp(event);
}

void CTextEdit::getPropertyDescriptors(Basics::TPointerCollection<CControlDescriptor> &list) const
{
    CTextLabel::getPropertyDescriptors(list);
    appendControlProperties(PROPERTIES, list);
}

bool CTextEdit::setProperty(const CControlDescriptor &descriptor)
{
    if (const Property *row = findControlProperty(PROPERTIES, descriptor.getName()))
        return applyControlProperty(*row, *this, descriptor);
    return CTextLabel::setProperty(descriptor);
}

bool CTextEdit::getProperty(CControlDescriptor &descriptor) const
{
    return readControlProperty(PROPERTIES, *this, descriptor) || CTextLabel::getProperty(descriptor);
}
} // namespace Corvane::GUI::Controls
