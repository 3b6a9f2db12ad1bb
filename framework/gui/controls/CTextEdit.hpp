#pragma once

#include "framework/gui/controls/CEditBox.hpp"
#include "framework/gui/controls/CTextLabel.hpp"

#include <memory>

namespace Corvane::GUI::Controls
{
/**
 * A text label the user can edit. A left press (or, when single click is off, a double click
 * while editable) opens an edit box exactly over the label, holding its text all selected, and
 * locks the edit in its window's root so that all input of the window reaches it. Enter commits:
 * the label takes the text (an emptied box gives one blank " ") and the listener gets one action
 * event naming the edit. Escape, or the focus moving elsewhere (a press outside the box, another
 * application, the window closing), discards. Either way the box closes and the lock the root
 * had before is restored. While closed the edit is drawn as the label it is; an edit that draws
 * its default frame shows a focus frame while open.
 */
class CTextEdit : public CTextLabel,
                  public IActionListener,
                  private IEditBoxOwner,
                  private Basics::TInstanceCounter<CTextEdit>
{
public:
    CORVANE_DECLARE_CLASS

    static constexpr long DEFAULT_TEXT_LIMIT = 50;

    /** Mouse-enabled, a limit of 50 characters, left aligned in the box, opened by a single click. */
    CTextEdit(IControlRoot *root, long uniqueId, const MathTools::CRect &area, const Basics::CString &text,
              IActionListener *listener);
    /** An open box closes without an event. */
    ~CTextEdit() override;

    /** Without @p limitText, or with a limit of 0 or less, the box takes the most a field allows. */
    virtual void setTextLimit(bool limitText, long limit);
    /** 0 left, 1 centre, 2 right. */
    virtual void setPopupAlignment(long alignment);
    virtual void setEditable(bool editable);
    virtual void setSingleClick(bool singleClick);
    /** Whether the editing that ends next discards instead of committing. */
    virtual void setCancelled(bool cancelled);

    bool isTextLimited() const { return m_limitText; }
    long getTextLimit() const { return m_textLimit; }
    long getPopupAlignment() const { return m_popupAlignment; }
    bool isEditable() const { return m_editable; }
    bool isSingleClick() const { return m_singleClick; }
    /** The open edit box, or null while the edit is closed. */
    const CEditBox *getEditBox() const { return m_box.get(); }

    /** Opens the edit box over the edit (closing one still open first) and locks the edit. */
    void startEditing();
    /** Ends the editing in progress, committing unless cancelled; then asks to be redrawn. */
    void handleActionEvent(const CActionEvent &event) override;

    void drawControl(Graphics::CGraphics &graphics) override;
    void handleLeftButtonDown(CMouseEvent &event) override;
    void handleLeftButtonUp(CMouseEvent &event) override;
    void handleDoubleClick(CMouseEvent &event) override;
    void handleMouseMovement(CMouseEvent &event) override;
    bool handleKeyDown(const CKeyboardEvent &event) override;
    bool handleKeyUp(const CKeyboardEvent &event) override;

    /** The label's properties, then "Text Limit", "Editable", "Single Click" and "Popup Alignment". */
    void getPropertyDescriptors(Basics::TPointerCollection<CControlDescriptor> &list) const override;
    bool setProperty(const CControlDescriptor &descriptor) override;
    bool getProperty(CControlDescriptor &descriptor) const override;

private:
    void finishEditing(bool cancelled) override;
    IControlRoot &getWindowRoot() const;
    /** @p event's position in the box: the window's root hands the locked edit positions relative to its area. */
    MathTools::CPoint getPositionInBox(const CMouseEvent &event) const;
    /** Gives the window's root back the lock it had before editing began. */
    void restoreLock();

    std::unique_ptr<CEditBox> m_box;
    Basics::TCountedReference<IControl> m_savedLock;
    bool m_cancelled = false;
    bool m_limitText = true;
    std::int32_t m_textLimit = DEFAULT_TEXT_LIMIT;
    std::int32_t m_popupAlignment = 0;
    bool m_editable = true;
    bool m_singleClick = true;
};
} // namespace Corvane::GUI::Controls
